// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The characters of a share code: numbers and bytes written in the 62 letters and digits, and the check.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace suispo::share_code {

// Letters and digits only: a chat or a web address keeps them whole, and a double click selects them.
inline constexpr std::string_view kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
inline constexpr unsigned kBase = 62;

// The digit a character stands for; -1 for a character outside the alphabet.
int DigitOf(char c);

// A whole number of up to 288 bits, built up and taken apart one place at a time in any small radix
// (the mixed-radix fields of a stage, base 62, bytes).
class WideNumber {
 public:
  // this * factor + add; returns false (the number then unusable) when it would pass 288 bits.
  bool MulAdd(std::uint32_t factor, std::uint32_t add);
  // Divides by divisor and returns the remainder.
  std::uint32_t DivMod(std::uint32_t divisor);
  bool IsZero() const;

 private:
  std::array<std::uint32_t, 9> limbs_{};  // least significant first
};

// n in `digits` characters, most significant first, zeros in front; n must fit.
std::string WriteDigits(WideNumber n, std::size_t digits);
// The number the characters write; nothing past 288 bits. Every character must be of the alphabet.
std::optional<WideNumber> ReadDigits(std::string_view text);

// Bytes written in groups of 8 bytes to 11 characters; a last, shorter group of k bytes takes the
// fewest characters that hold it (2, 3, 5, 6, 7, 9 or 10), so the length tells the byte count.
std::string WriteBytes(std::string_view bytes);
std::size_t BytesTextLength(std::size_t byteCount);
// Whether some number of bytes is written in that many characters.
bool IsBytesTextLength(std::size_t length);
// Nothing when the length fits no byte count or a group writes more than its bytes hold.
std::optional<std::string> ReadBytes(std::string_view text);

// The check: the characters as a polynomial modulo the prime 238321 (the largest below 62^3),
// written in three characters. Any one character changed, or two neighbours swapped, changes it.
inline constexpr std::size_t kCheckLength = 3;
std::string CheckOf(std::string_view text);

}  // namespace suispo::share_code
