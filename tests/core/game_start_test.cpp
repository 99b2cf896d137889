// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Starting a stage: the board state read from its line and the board build's drawing order.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/game_error.h"
#include "tests/core/stage_fixture.h"
#include "tests/support/worded_error.h"

namespace suispo::test {
namespace {

using Calls = std::vector<std::string>;

TEST(StartStage, BuiltinStageOneGivesItsBoard) {
  Play play(BuiltinStages());
  const Game& g = play.game;
  EXPECT_EQ(g.keysLeft, 1);
  EXPECT_EQ(g.mp, 1);
  EXPECT_EQ(play.At(), std::make_pair(2, 5));
  EXPECT_EQ(play.Cell(0, 0), kDoor);
  EXPECT_EQ(play.Cell(0, 5), kHole);
  EXPECT_EQ(play.Cell(3, 5), kKey);
  EXPECT_EQ(play.Cell(2, 5), kFloor);  // the start cell is floor
  EXPECT_EQ(g.board.southWalls[CellIndex(0, 1)], kSolidWall);
  EXPECT_EQ(g.board.southWalls[CellIndex(1, 1)], kSolidWall);
  EXPECT_EQ(g.board.eastWalls[CellIndex(1, 2)], kSolidWall);
  EXPECT_EQ(g.board.eastWalls[CellIndex(1, 3)], kSolidWall);
  EXPECT_EQ(std::count(g.board.eastWalls.begin(), g.board.eastWalls.end(), 0), 34);
  EXPECT_EQ(WriteBoardText(g.board), BuiltinStages()[0].substr(0, 72).replace(32, 1, "0"));
}

TEST(StartStage, CountsKeysAndResetsFacingWallPointsAndUndo) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  K   K   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   D |
    +---+---+---+---+---+---+)", "03")});
  play.game.facing = kWest;
  play.E();
  EXPECT_TRUE(play.window.undoEnabled);
  play.window.calls.clear();
  play.game.StartStage();
  EXPECT_EQ(play.game.keysLeft, 2);
  EXPECT_EQ(play.game.facing, kNorth);
  EXPECT_EQ(play.game.undo.undoCount, 0);
  EXPECT_EQ(play.game.undo.undoIndex, 0);
  EXPECT_EQ(play.window.calls, (Calls{"DisableUndo", "ShowMp(3)"}));
}

TEST(StartStage, DrawsTheBoardThenTheCharacterThenTheName) {
  std::vector<StageLine> lines = {StageOf(R"(
    +---+---+---+---+---+---+
    |[.]| K   .   .   .   . |
    +---+   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)", "00", "ab")};
  RecordingPainter painter;
  RecordingWindow window;
  Game game(lines, painter, window);
  game.StartStage();
  const Calls& c = painter.calls;
  ASSERT_EQ(c.size(), 36u + 1 + 2 + 1 + 1 + 3);
  EXPECT_EQ(c[0], "DrawFloor(0,0)");
  EXPECT_EQ(c[1], "DrawFloor(1,0)");
  EXPECT_EQ(c[2], "DrawTile(1,0,1)");  // the key on its cell
  EXPECT_EQ(c[3], "DrawFloor(2,0)");
  EXPECT_EQ(c[37], "DrawWall(0,0,0,0)");  // both solid edges of (0,0): east, then south
  EXPECT_EQ(c[38], "DrawWall(0,0,1,0)");
  EXPECT_EQ(c[39], "DrawBorder()");
  EXPECT_EQ(c[40], "SaveBackground()");
  EXPECT_EQ(c[41], "DrawCharacter(0,0,0)");
  EXPECT_EQ(c[42], "PresentBoard()");
  EXPECT_EQ(c[43], "DrawStageName(ab)");
}

TEST(StartStage, MarkedStripsComeAfterSolidOnes) {
  std::vector<StageLine> lines = {StageOf(R"(
    +---+---+---+---+---+---+
    |[.]| . : .   .   .   . |
    +...+---+   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")};
  RecordingPainter painter;
  RecordingWindow window;
  Game game(lines, painter, window);
  game.StartStage();
  Calls walls;
  for (const auto& call : painter.calls)
    if (call.rfind("DrawWall", 0) == 0) walls.push_back(call);
  // (0,0): solid east, marked south; (1,0): marked east, solid south.
  EXPECT_EQ(walls, (Calls{"DrawWall(0,0,0,0)", "DrawWall(0,0,1,1)", "DrawWall(1,0,1,0)", "DrawWall(1,0,0,1)"}));
}

TEST(StartStage, WithoutStartMarkTheCharacterStaysWhereItWasAndTheLastMarkWins) {
  Play play({Stage({"000000", "000000", "000C00", "000000", "0C0000", "000000"}, kNoWalls),
             Stage({"000000", "000000", "000000", "000000", "000000", "000000"}, kNoWalls)});
  EXPECT_EQ(play.At(), std::make_pair(1, 4));
  play.game.stageIndex = 1;
  play.game.StartStage();
  EXPECT_EQ(play.At(), std::make_pair(1, 4));

  std::vector<StageLine> lines = {Stage({"000000", "000000", "000000", "000000", "000000", "000000"}, kNoWalls)};
  RecordingPainter painter;
  RecordingWindow window;
  Game fresh(lines, painter, window);
  fresh.StartStage();
  EXPECT_EQ(fresh.playerX + fresh.playerY, 0);
}

TEST(StartStage, AShortLineIsFloorWithoutWallsUntilItsWallPointsFail) {
  std::vector<StageLine> lines = {"C1"};
  RecordingPainter painter;
  RecordingWindow window;
  Game game(lines, painter, window);
  try {
    game.StartStage();
    FAIL() << "no error";
  } catch (const GameError& e) {
    EXPECT_EQ(Worded(e), "'' は整数ではありません");
  }
  EXPECT_EQ(game.keysLeft, 1);
  EXPECT_EQ(game.board.eastWalls, (std::array<int, kCellCount>{}));
  // The stage start stopped at the wall points: no character, no name.
  EXPECT_EQ(painter.calls.back(), "SaveBackground()");
}

}  // namespace
}  // namespace suispo::test
