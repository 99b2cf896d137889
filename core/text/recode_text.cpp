// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The iconv loop behind the display decoder and the stage-name encoder.
#include "core/text/recode_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace suispo {

std::optional<std::string> RecodeText(std::string_view text, const char* to, const char* from,
                                      std::string_view replacement, std::size_t (*skip)(std::string_view rest)) {
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string result;
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char buffer[256];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t converted = iconv(cd, &in, &inLeft, &out, &outLeft);
    result.append(buffer, static_cast<std::size_t>(out - buffer));
    if (converted == static_cast<std::size_t>(-1) && errno != E2BIG) {
      result += replacement;
      const std::size_t n = std::min(inLeft, std::max<std::size_t>(1, skip({in, inLeft})));
      in += n;
      inLeft -= n;
    }
  }
  iconv_close(cd);
  return result;
}

}  // namespace suispo
