// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Text for stage files: UTF-8 encoded as code page 932 (Shift-JIS), the stage files' own encoding.
#pragma once

#include <string>
#include <string_view>

namespace suispo {

// Never throws: a character code page 932 lacks becomes "?".
std::string ShiftJisText(std::string_view utf8);

}  // namespace suispo
