// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Encoding to code page 932, one "?" for each whole UTF-8 character it lacks.
#include "core/text/shift_jis_text.h"

#include "core/text/recode_text.h"

namespace suispo {

std::string ShiftJisText(std::string_view utf8) {
  // The lead byte and the continuation bytes after it.
  const auto characterLength = [](std::string_view rest) -> std::size_t {
    std::size_t n = 1;
    while (n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
    return n;
  };
  const auto text = RecodeText(utf8, "CP932", "UTF-8", "?", characterLength);
  return text ? *text : std::string(utf8);
}

}  // namespace suispo
