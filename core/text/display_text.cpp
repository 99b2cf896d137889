// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage-file text for display: UTF-8 kept as it is, everything else decoded from code page 932.
#include "core/text/display_text.h"

#include "core/text/recode_text.h"

namespace suispo {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Strict UTF-8 throughout.
bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = Utf8CharacterLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string EveryHighByteReplaced(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x80) {
      text += c;
    } else {
      text += kReplacement;
    }
  }
  return text;
}

}  // namespace

std::size_t Utf8CharacterLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(text[i + k]);
    if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

std::string DisplayText(std::string_view bytes) {
  if (IsUtf8(bytes)) return std::string(bytes);

  // An undecodable or cut-off character: one replacement for its first byte, then go on.
  const auto text = RecodeText(bytes, "UTF-8", "CP932", kReplacement, [](std::string_view) -> std::size_t { return 1; });
  return text ? *text : EveryHighByteReplaced(bytes);
}

}  // namespace suispo
