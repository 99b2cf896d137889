// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The cell-kind table against the stage-line reader, and the pieces a board is made of for the player.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/design/mechanics.h"
#include "core/rules/cell_kinds.h"
#include "core/rules/play_state.h"
#include "core/rules/stage_line.h"
#include "tests/support/stage_builder.h"

namespace suispo {
namespace {

TEST(CellKinds, EveryKindIsReadBackFromItsOwnCode) {
  for (const CellKindRow& row : kCellKinds) {
    EXPECT_EQ(CellKindOfCode(row.code), row.kind) << row.name;
    EXPECT_TRUE(IsCellCode(row.code)) << row.name;
  }
}

TEST(CellKinds, ABoardIsMadeOfItsMechanicsCountedUnderTheirWordsAndInTheirOrder) {
  PlayState state;
  rules::LoadBoard(test::StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  b   K   >   O   D |
    +...+   +   +   +   +   +
    | ^   .   .   .   . : < |
    +   +   +   +   +...+   +
    | O   .   b   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   r |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)"),
                   state);
  std::vector<std::pair<std::string, int>> pieces;  // as the preview's tooltip names them
  for (const PieceCount& piece : PiecesOn(state.board)) pieces.emplace_back(piece.word, piece.count);
  using Pieces = std::vector<std::pair<std::string, int>>;
  EXPECT_EQ(pieces, (Pieces{{"穴", 2}, {"矢印", 3}, {"ワープ", 3}, {"市松の辺", 3}}));
  EXPECT_TRUE(PiecesOn(Board{}).empty());
}

}  // namespace
}  // namespace suispo
