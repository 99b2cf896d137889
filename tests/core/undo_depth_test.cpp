// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// 戻せる回数 無制限: every operation of a play can be taken back, and the fall too.
#include <gtest/gtest.h>

#include "core/rules/play_state.h"
#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

using Pos = std::pair<int, int>;

// A wall point and a hole in the bottom row.
constexpr std::string_view kHoleBoard = R"(
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
    | .   .   .   .   .   O |
    +---+---+---+---+---+---+)";

// The play shows the board of the picture, the character on its [.] and its wall points.
void ExpectBoard(const Play& play, std::string_view picture, std::string_view mp) {
  PlayState expected;
  rules::StartStage(StageOf(picture, mp), expected);
  EXPECT_EQ(play.game.board, expected.board);
  EXPECT_EQ(play.At(), Pos(expected.playerX, expected.playerY));
  EXPECT_EQ(play.game.mp, expected.mp);
}

TEST(UndoDepth, UnlimitedTakesTheWholePlayBackToItsStart) {
  Play play({StageOf(kEmptyBoard, "01")});
  play.game.undoDepth = UndoDepth::kUnlimited;
  play.E();
  play.S();
  play.game.PlaceWall(kNorth);
  play.W();
  play.N();
  play.E();
  play.S();
  EXPECT_EQ(play.game.moveCount, 7);
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(play.game.Undo()) << i;
  ExpectBoard(play, kEmptyBoard, "01");
  EXPECT_EQ(play.game.moveCount, 0);
  EXPECT_EQ(play.window.moveCount, 0);
  EXPECT_FALSE(play.window.undoEnabled);
  EXPECT_FALSE(play.game.Undo());
}

TEST(UndoDepth, AfterAFallUndoTakesThePlayBackToJustBeforeTheFallingMove) {
  Play play({StageOf(kHoleBoard, "01")});
  play.game.undoDepth = UndoDepth::kUnlimited;
  play.E();                     // (5, 0)
  play.game.PlaceWall(kWest);   // between (4, 0) and (5, 0)
  EXPECT_EQ(play.S(), Landing::kMissed);
  ExpectBoard(play, kHoleBoard, "01");  // the stage started again
  EXPECT_EQ(play.game.moveCount, 0);
  EXPECT_TRUE(play.window.undoEnabled);
  EXPECT_TRUE(play.game.Undo());
  ExpectBoard(play, R"(
    +---+---+---+---+---+---+
    | .   .   .   .   . |[.]|
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   O |
    +---+---+---+---+---+---+)", "00");
  EXPECT_EQ(play.game.moveCount, 2);
}

}  // namespace
}  // namespace suispo::test
