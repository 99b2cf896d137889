// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The operation count of a play: what counts, what undo, a miss and a restart do to it, what a clear tells.
#include <gtest/gtest.h>

#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

TEST(MoveCount, EachMoveAndEachWallBuiltCountsAndUndoTakesTheCountBack) {
  Play play(BuiltinStages());  // stage 1: one wall point
  EXPECT_EQ(play.game.moveCount, 0);
  play.game.PlaceWall(kEast);
  EXPECT_EQ(play.window.moveCount, 1);
  play.N();
  EXPECT_EQ(play.window.moveCount, 2);
  play.game.PlaceWall(kEast);  // no wall point left: nothing built, nothing counted
  EXPECT_EQ(play.window.moveCount, 2);
  play.S();
  EXPECT_EQ(play.window.moveCount, 3);
  EXPECT_TRUE(play.game.Undo());  // the move
  EXPECT_EQ(play.window.moveCount, 2);
  EXPECT_TRUE(play.game.Undo());  // the wall that was not built
  EXPECT_EQ(play.window.moveCount, 2);
  EXPECT_TRUE(play.game.Undo());
  EXPECT_TRUE(play.game.Undo());
  EXPECT_EQ(play.window.moveCount, 0);
  EXPECT_EQ(play.game.moveCount, 0);
}

TEST(MoveCount, AMissAndARestartBeginAgainAtZero) {
  Play play(BuiltinStages());  // stage 1: west of the start lies the hole
  play.game.PlaceWall(kNorth);
  EXPECT_EQ(play.window.moveCount, 1);
  EXPECT_EQ(play.W(), Landing::kMissed);
  EXPECT_EQ(play.window.moveCount, 0);
  play.N();
  play.E();
  EXPECT_EQ(play.window.moveCount, 2);
  play.game.StartStage();
  EXPECT_EQ(play.window.moveCount, 0);
}

TEST(MoveCount, AClearTellsItsCountAndWhetherAHintWasShownInThisPlay) {
  // +E N S N E S W N W: stage 1 in nine operations.
  Play play(BuiltinStages());
  auto clearInNine = [](Play& p) {
    p.game.PlaceWall(kEast);
    p.N(), p.S(), p.N(), p.E(), p.S(), p.W(), p.N();
    return p.W();
  };
  EXPECT_EQ(clearInNine(play), Landing::kCleared);
  Play hinted(BuiltinStages());
  hinted.game.hinted = true;
  hinted.game.StartStage();  // a restart keeps the hint
  EXPECT_EQ(clearInNine(hinted), Landing::kCleared);
  ASSERT_EQ(play.window.clears.size(), 1u);
  EXPECT_EQ(play.window.clears[0], std::make_pair(9, false));
  EXPECT_EQ(hinted.window.clears.at(0), std::make_pair(9, true));
  EXPECT_EQ(play.painter.verdict, "verdict");  // what the window said is on the plate
  hinted.game.ChooseStage(0);  // a new play of the stage forgets it
  EXPECT_FALSE(hinted.game.hinted);
}

}  // namespace
}  // namespace suispo::test
