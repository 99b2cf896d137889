// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// One stage as a line of bytes (Shift-JIS): 36 cell codes, 36 wall codes, wall points, cleared flag, name.
#pragma once

#include <string>
#include <string_view>

#include "core/rules/board.h"

namespace suispo {

using StageLine = std::string;  // bytes; positions are byte positions

inline constexpr std::size_t kBoardTextLength = 72;
inline constexpr std::size_t kClearedFlagPosition = 75;  // 1-based

// The CellKind of a cell code; "C" and unknown codes are floor.
int CellKindOfCode(char code);
// Whether a cell code names a kind or the start "C"; any other reads as floor.
bool IsCellCode(char code);
// The east and south WallKind of a wall code; unknown codes give none and none.
void WallsOfCode(char code, int& east, int& south);
// The inverse of the two: the codes that a board text holds.
char CodeOfCellKind(int kind);
char CodeOfWalls(int east, int south);

// The wall points of a line; throws GameError kNotAnInteger unless the field is an integer.
int WallPoints(std::string_view line);
// Listed as cleared unless position 75 holds "0" (a line without a flag counts as cleared).
bool IsCleared(std::string_view line);
// The stage name: bytes from position 76 to the end.
std::string StageName(std::string_view line);
// Position 75 becomes "1"; a shorter line is first completed so that it plays the same.
StageLine MarkedCleared(StageLine line);

// The 72-character board text of a board (cells, then edges, each row by row).
std::string WriteBoardText(const Board& board);

}  // namespace suispo
