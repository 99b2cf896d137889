// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Text from stage files made safe to print: control characters never reach a terminal raw.
#pragma once

#include <string>
#include <string_view>

namespace suispo::tool {

// The text with every control character (C0, DEL and C1) and every byte that is not UTF-8
// written as an escape: "\x1b" for a byte, "\u009b" for a C1 character.
std::string VisibleText(std::string_view text);
// A JSON string, quotes included: '"', '\' and the control characters escaped as JSON does
// (DEL and C1 too); a byte that is not UTF-8 becomes U+FFFD.
std::string JsonString(std::string_view text);

}  // namespace suispo::tool
