// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A stage as one short line of letters and digits that a player can paste into a chat, and back.
#pragma once

#include <string>
#include <string_view>

#include "core/rules/stage_line.h"

namespace suispo {

// A code is "S1" (the version), 43 characters for the board, the start and the wall points, the
// name's bytes (core/files/share_code_digits.h) and a 3-character check: 48 characters without a name.
inline constexpr std::string_view kShareCodeVersion = "S1";
inline constexpr std::size_t kShortestShareCode = 48;
// The longest code: a stage line of kMaxLineBytes.
std::size_t LongestShareCode();

// The code of a stage: the board as the rules read it (a "C" other than the last and unknown codes
// read as floor), the start (or none), the wall points and the name's bytes as the line holds them,
// without control characters. Throws GameError kNotAnInteger when the wall points are no number.
std::string ShareCode(std::string_view line);

// The stage line a code writes, uncleared, its wall points in two characters. Blanks and line ends
// around the code are let go; anything else that is not a whole code is refused with a GameError
// (kCodeTooLong, kCodeBadCharacter, kNotACode, kCodeNewerVersion, kCodeWrongLength,
// kCodeCheckFailed, kCodeBadStage) that says what is wrong with it.
StageLine DecodeShareCode(std::string_view text);

}  // namespace suispo
