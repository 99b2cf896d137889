// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fuzzes the display-text decoder: any bytes give valid UTF-8, and valid UTF-8 (ASCII too) comes out unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/display_text.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Decodes code point by code point, so it shares nothing with the decoder's own check.
bool ValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      code = (code << 6) | (c & 0x3F);
    }
    constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string shown = suispo::DisplayText(bytes);
  FUZZ_CHECK(ValidUtf8(shown));
  if (ValidUtf8(bytes)) FUZZ_CHECK(shown == bytes);
  return 0;
}
