// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Wall buttons: what a wall costs, where it may go, and what it stops.
#include <gtest/gtest.h>

#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

using Calls = std::vector<std::string>;
using Pos = std::pair<int, int>;

TEST(PlaceWall, AWallWestOfTheStartSavesTheCharacterFromTheHole) {
  Play play(BuiltinStages());
  EXPECT_TRUE(play.game.PlaceWall(kWest));
  EXPECT_EQ(play.game.board.eastWalls[CellIndex(1, 5)], kSolidWall);
  EXPECT_EQ(play.game.mp, 0);
  EXPECT_EQ(play.window.mpText, "0");
  EXPECT_EQ(play.painter.calls, (Calls{"RestoreCell(2,5)", "DrawCharacter(2,5,3)", "PresentBoard()",
                                       "DrawWall(1,5,0,0)", "PresentBoard()"}));
  EXPECT_EQ(play.W(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(2, 5));
  // With no points left, a press only turns the character and uses an undo step.
  play.window.calls.clear();
  EXPECT_FALSE(play.game.PlaceWall(kNorth));
  EXPECT_EQ(play.game.facing, kNorth);
  EXPECT_EQ(play.game.undo.undoCount, 3);
  EXPECT_EQ(play.window.calls, Calls{});  // mpText untouched
}

TEST(PlaceWall, AMarkedEdgeRefusesAWallThatASlidePasses) {
  Play play(BuiltinStages(), 3);
  EXPECT_FALSE(play.game.PlaceWall(kEast));
  EXPECT_EQ(play.game.mp, 2);
  EXPECT_EQ(play.window.calls, (Calls{"EnableUndo", "ShowMp(2)"}));
  EXPECT_EQ(play.game.facing, kEast);
  play.E();
  EXPECT_EQ(play.At(), Pos(5, 5));
}

TEST(PlaceWall, NeighboursShareOneEdge) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .  [.]  .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)", "05")});
  EXPECT_TRUE(play.game.PlaceWall(kEast));
  EXPECT_EQ(play.E(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(2, 3));  // stopped at once
  play.game.board.cells[CellIndex(3, 3)] = kFloor;
  play.game.playerX = 3;
  EXPECT_FALSE(play.game.PlaceWall(kWest));
  EXPECT_EQ(play.game.mp, 4);
  EXPECT_EQ(play.W(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(3, 3));
  EXPECT_TRUE(play.game.PlaceWall(kSouth));  // south of (3, 3) stops a northward slide from below
  EXPECT_EQ(play.game.board.southWalls[CellIndex(3, 3)], kSolidWall);
  EXPECT_TRUE(play.game.PlaceWall(kNorth));
  EXPECT_EQ(play.game.board.southWalls[CellIndex(3, 2)], kSolidWall);
  EXPECT_EQ(play.game.mp, 2);
}

TEST(PlaceWall, TheBorderTakesNoWall) {
  Play corner({StageOf(kEmptyBoard, "05")});
  EXPECT_FALSE(corner.game.PlaceWall(kNorth));
  EXPECT_FALSE(corner.game.PlaceWall(kWest));
  Play other({StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .  [.]|
    +---+---+---+---+---+---+)", "05")});
  EXPECT_FALSE(other.game.PlaceWall(kSouth));
  EXPECT_FALSE(other.game.PlaceWall(kEast));
  EXPECT_EQ(corner.game.mp + other.game.mp, 10);
  EXPECT_EQ(corner.game.board, Board{});
}

}  // namespace
}  // namespace suispo::test
