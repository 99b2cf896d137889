// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The operation count of a play: what counts, what undo, a miss and a restart do to it, what a clear tells.
#include <gtest/gtest.h>

#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

TEST(MoveCount, MovesAndWallsBuiltCountUndoRestoresTheCountAMissOrRestartZeroesIt) {
  Play play(BuiltinStages());  // stage 1: one wall point, the hole west of the start
  play.game.PlaceWall(kEast);
  play.N();
  play.game.PlaceWall(kEast);  // no wall point left: nothing built, nothing counted
  play.S();
  EXPECT_EQ(play.window.moveCount, 3);
  EXPECT_TRUE(play.game.Undo());  // the move
  EXPECT_TRUE(play.game.Undo());  // the wall that was not built
  EXPECT_EQ(play.window.moveCount, 2);
  play.game.StartStage();
  EXPECT_EQ(play.window.moveCount, 0);
  play.game.PlaceWall(kNorth);
  EXPECT_EQ(play.W(), Landing::kMissed);
  EXPECT_EQ(play.window.moveCount, 0);
}

TEST(MoveCount, AClearTellsItsCountAndWhetherThisPlayTookAHint) {
  Play play(BuiltinStages());
  play.game.hinted = true;
  play.game.StartStage();  // a restart keeps the hint
  play.game.PlaceWall(kEast);  // +E N S N E S W N W: nine operations
  play.N(), play.S(), play.N(), play.E(), play.S(), play.W(), play.N();
  EXPECT_EQ(play.W(), Landing::kCleared);
  EXPECT_EQ(play.window.clears, (std::vector<std::pair<int, bool>>{{9, true}}));
  EXPECT_EQ(play.painter.verdict, "verdict");  // what the window said is on the plate
  play.game.ChooseStage(0);  // a new play forgets the hint
  EXPECT_FALSE(play.game.hinted);
}

}  // namespace
}  // namespace suispo::test
