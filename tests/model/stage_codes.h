// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The model's reading of stage-line codes and its writing of board texts, kept apart from core's.
#pragma once

#include <string>
#include <string_view>

namespace suispo::model {

// One edge pair of a cell: what stands on its east side and on its south side (0 none, 1 solid, 2 marked).
struct EdgePair {
  int east = 0;
  int south = 0;
};

// A cell code's kind: "0".."9" are 0..9, "A" 10, "B" 11; "C" and everything else is floor.
int KindOfCellCode(char code);
// A wall code's edges: "0".."8" by the stage-line table, anything else none and none.
EdgePair EdgesOfWallCode(char code);
// The characters a board text holds for a kind and for an edge pair.
char CellCodeOfKind(int kind);
char WallCodeOfEdges(EdgePair edges);

// The wall points of a stage line: bytes 73 and 74 (fewer when the line is short), read as blanks,
// an optional sign and at least one digit, nothing after. Anything else throws WallPointsError.
int ReadWallPoints(std::string_view line);

struct WallPointsError {
  std::string message;  // "'<field>' は整数ではありません", UTF-8
};

}  // namespace suispo::model
