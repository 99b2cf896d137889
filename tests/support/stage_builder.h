// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage lines for the tests of every folder: a board drawn as a 6 x 6 picture a person can read, or
// written in the stage file's own codes.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace suispo::test {

using Rows = std::array<std::string, 6>;

inline const Rows kNoWalls = {"000000", "000000", "000000", "000000", "000000", "000000"};

// A stage line from six rows of cell codes, six rows of wall codes, the wall-points field, the
// name and the cleared flag.
std::string Stage(const Rows& cells, const Rows& walls = kNoWalls, std::string_view mp = "00",
                  std::string_view name = "test", char cleared = '0');

// A stage line from a board picture as the stage tool draws it: 13 lines of 25 characters (leading
// blanks and blank lines around it are left out), cells between rows of edges:
//
//   +---+---+---+---+---+---+      cells: . floor, K key, D door, O hole, ^ > v < arrows,
//   |[.]: K   .   v   .   . |             r b g o warp pads; [.] the start
//   +   +...+---+   +   +   +      east edges: | solid, : marked, blank none
//   ...                            south edges: --- solid, ... marked, blanks none
//
// The outer border is drawn but not read. Throws std::invalid_argument for a picture it cannot read.
std::string StageOf(std::string_view picture, std::string_view mp = "00", std::string_view name = "test",
                    char cleared = '0');

// Floor everywhere, no walls, the start in the top-left corner.
inline constexpr std::string_view kEmptyBoard = R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)";

}  // namespace suispo::test
