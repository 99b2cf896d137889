// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Base-62 writing of wide numbers and of bytes in groups, and the share code's check.
#include "core/files/share_code_digits.h"

#include <algorithm>

namespace suispo::share_code {
namespace {

constexpr std::size_t kGroupBytes = 8;
// The characters of a group of k bytes: the fewest n with 62^n >= 256^k.
constexpr std::array<std::size_t, kGroupBytes + 1> kGroupChars = {0, 2, 3, 5, 6, 7, 9, 10, 11};

constexpr std::uint64_t kCheckPrime = 238321;

}  // namespace

int DigitOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 36;
  return -1;
}

bool WideNumber::MulAdd(std::uint32_t factor, std::uint32_t add) {
  std::uint64_t carry = add;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t value = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(value);
    carry = value >> 32;
  }
  return carry == 0;
}

std::uint32_t WideNumber::DivMod(std::uint32_t divisor) {
  std::uint64_t rest = 0;
  for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
    const std::uint64_t value = (rest << 32) | *limb;
    *limb = static_cast<std::uint32_t>(value / divisor);
    rest = value % divisor;
  }
  return static_cast<std::uint32_t>(rest);
}

bool WideNumber::IsZero() const {
  for (const std::uint32_t limb : limbs_) {
    if (limb != 0) return false;
  }
  return true;
}

std::string WriteDigits(WideNumber n, std::size_t digits) {
  std::string text(digits, kAlphabet[0]);
  for (std::size_t i = digits; i-- > 0;) text[i] = kAlphabet[n.DivMod(kBase)];
  return text;
}

std::optional<WideNumber> ReadDigits(std::string_view text) {
  WideNumber n;
  for (const char c : text) {
    if (!n.MulAdd(kBase, static_cast<std::uint32_t>(DigitOf(c)))) return std::nullopt;
  }
  return n;
}

std::string WriteBytes(std::string_view bytes) {
  std::string text;
  for (std::size_t from = 0; from < bytes.size(); from += kGroupBytes) {
    const std::string_view group = bytes.substr(from, kGroupBytes);
    WideNumber n;
    for (const char byte : group) n.MulAdd(256, static_cast<unsigned char>(byte));
    text += WriteDigits(n, kGroupChars[group.size()]);
  }
  return text;
}

std::size_t BytesTextLength(std::size_t byteCount) {
  return byteCount / kGroupBytes * kGroupChars[kGroupBytes] + kGroupChars[byteCount % kGroupBytes];
}

bool IsBytesTextLength(std::size_t length) {
  return std::ranges::find(kGroupChars, length % kGroupChars[kGroupBytes]) != kGroupChars.end();
}

std::optional<std::string> ReadBytes(std::string_view text) {
  const std::size_t fullChars = kGroupChars[kGroupBytes];
  std::string bytes;
  for (std::size_t from = 0; from < text.size(); from += fullChars) {
    const std::string_view group = text.substr(from, fullChars);
    std::size_t count = 0;
    while (count <= kGroupBytes && kGroupChars[count] != group.size()) ++count;
    if (count > kGroupBytes) return std::nullopt;
    std::optional<WideNumber> n = ReadDigits(group);
    if (!n) return std::nullopt;
    std::string groupBytes(count, '\0');
    for (std::size_t i = count; i-- > 0;) groupBytes[i] = static_cast<char>(n->DivMod(256));
    if (!n->IsZero()) return std::nullopt;  // more than the group's bytes can hold
    bytes += groupBytes;
  }
  return bytes;
}

std::string CheckOf(std::string_view text) {
  // Each character counts as its digit + 1, so a zero in front or behind changes the check too.
  std::uint64_t check = 0;
  for (const char c : text) check = (check * kBase + static_cast<std::uint64_t>(DigitOf(c) + 1)) % kCheckPrime;
  WideNumber n;
  n.MulAdd(1, static_cast<std::uint32_t>(check));
  return WriteDigits(n, kCheckLength);
}

}  // namespace suispo::share_code
