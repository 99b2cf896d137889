// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Slides: what stops them, what arrows do, and what happens on the cell where the character rests.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/game_error.h"
#include "core/text/several_errors.h"
#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

using Calls = std::vector<std::string>;
using Pos = std::pair<int, int>;

int CountOf(const Calls& calls, const std::string& prefix) {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

TEST(Slide, BuiltinStageOneIsClearedByItsSequence) {
  Play play(BuiltinStages());
  EXPECT_TRUE(play.game.PlaceWall(kEast));
  EXPECT_EQ(play.game.mp, 0);
  EXPECT_EQ(play.N(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(2, 0));
  play.E();
  EXPECT_EQ(play.At(), Pos(5, 0));
  play.S();
  EXPECT_EQ(play.At(), Pos(5, 5));
  EXPECT_EQ(play.W(), Landing::kKey);
  EXPECT_EQ(play.At(), Pos(3, 5));
  EXPECT_EQ(play.game.keysLeft, 0);
  play.N();
  EXPECT_EQ(play.At(), Pos(3, 0));
  play.window.calls.clear();
  EXPECT_EQ(play.W(), Landing::kCleared);
  EXPECT_EQ(play.At(), Pos(0, 0));
  EXPECT_EQ(Calls(play.window.calls.end() - 4, play.window.calls.end()),
            (Calls{"MarkStageCleared(0)", "SaveRecords", "HidePlayScreen", "ShowStageSelect"}));
  EXPECT_EQ(play.game.stageIndex, 1);
  EXPECT_EQ(play.game.inputReady, 1);
}

TEST(Slide, KeysDoorsAndPadsSlidOverDoNothing) {
  Play play(BuiltinStages());
  EXPECT_EQ(play.E(), Landing::kNone);  // over the key at (3, 5)
  EXPECT_EQ(play.At(), Pos(5, 5));
  EXPECT_EQ(play.game.keysLeft, 1);
  Play pads({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  r   D   r   b   K |
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
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(pads.E(), Landing::kKey);
  EXPECT_EQ(pads.At(), Pos(5, 0));
}

TEST(Slide, AHoleStopsTheSlideAndRestartsTheStage) {
  Play play(BuiltinStages());
  play.game.PlaceWall(kNorth);  // a wall that the restart takes away again
  play.painter.calls.clear();
  EXPECT_EQ(play.W(), Landing::kMissed);
  const Calls& c = play.painter.calls;
  EXPECT_EQ(CountOf(c, "AnimateStep"), 2);
  EXPECT_EQ(CountOf(c, "AnimateMiss(0,5)"), 1);
  EXPECT_EQ(play.At(), Pos(2, 5));
  EXPECT_EQ(play.game.mp, 1);
  EXPECT_EQ(play.game.board.southWalls[CellIndex(2, 4)], kNoWall);
  EXPECT_EQ(play.game.undo.undoCount, 0);
  EXPECT_FALSE(play.window.undoEnabled);
  EXPECT_EQ(play.game.facing, kNorth);
}

TEST(Slide, ABlockedMoveTurnsUsesAnUndoStepAndLandsAgain) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    | r   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | r  [.]  .   .   .   . |
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(play.W(), Landing::kWarp);
  EXPECT_EQ(play.At(), Pos(0, 0));
  play.painter.calls.clear();
  EXPECT_EQ(play.W(), Landing::kWarp);  // against the border, standing on a pad: back to the other one
  EXPECT_EQ(play.At(), Pos(0, 5));
  EXPECT_EQ(play.game.facing, kWest);
  EXPECT_EQ(play.game.undo.undoCount, 2);
  EXPECT_EQ(play.painter.calls, (Calls{"RestoreCell(0,0)", "DrawCharacter(0,0,3)", "PresentBoard()",
                                       "AnimateSink(0,0)", "AnimateRise(0,5,3)"}));
}

TEST(Slide, SolidWallsStopFromBothSidesAndMarkedEdgesLetPass) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  . : . | .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +...+   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(play.E(), Landing::kNone);  // through the marked edge of (1, 0), stopped by (2, 0)'s solid one
  EXPECT_EQ(play.At(), Pos(2, 0));
  play.S();
  play.W();
  play.N();  // through the marked south edge of (0, 1)
  EXPECT_EQ(play.At(), Pos(0, 0));
  play.E();
  play.E();
  EXPECT_EQ(play.At(), Pos(2, 0));
}

TEST(Slide, EachCellMovedIsOneStepAnimation) {
  Play play({StageOf(kEmptyBoard)});
  play.E();
  EXPECT_EQ(play.painter.calls,
            (Calls{"RestoreCell(0,0)", "DrawCharacter(0,0,1)", "PresentBoard()", "AnimateStep(0,0,1,0,1)",
                   "AnimateStep(1,0,1,0,1)", "AnimateStep(2,0,1,0,1)", "AnimateStep(3,0,1,0,1)",
                   "AnimateStep(4,0,1,0,1)"}));
  play.painter.calls.clear();
  play.E();
  EXPECT_EQ(CountOf(play.painter.calls, "AnimateStep"), 0);
}

TEST(Slide, ArrowsTurnTheSlideAndOneIntoAWallStopsOnIt) {
  Play turn({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   v |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   < |
    +---+---+---+---+---+---+)")});
  turn.E();  // east to the south arrow, down to the west arrow, west to the border
  EXPECT_EQ(turn.At(), Pos(0, 5));
  EXPECT_EQ(turn.game.facing, kWest);
  Play wall({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   v |
    +   +   +   +   +   +---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(wall.E(), Landing::kNone);
  EXPECT_EQ(wall.At(), Pos(5, 0));  // the arrow points south into a solid wall
  EXPECT_EQ(wall.game.facing, kSouth);
  EXPECT_EQ(wall.W(), Landing::kNone);  // the arrow under the start has no effect
  EXPECT_EQ(wall.At(), Pos(0, 0));
}

TEST(Slide, AnArrowAtTheBorderStopsTheCharacterOnTheArrow) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   ^ |
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
    +---+---+---+---+---+---+)")});
  play.E();
  EXPECT_EQ(play.At(), Pos(5, 0));
  EXPECT_EQ(play.game.facing, kNorth);
}

TEST(Slide, AClosedLoopOfArrowsStopsWhereItFirstRepeats) {
  // (1,0) east -> (3,0) south -> (3,2) west -> (1,2) north -> (1,0) east again.
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  >   .   v   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   ^   .   <   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(play.E(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(1, 0));
  EXPECT_EQ(play.game.facing, kEast);
  EXPECT_EQ(CountOf(play.painter.calls, "AnimateStep"), 9);
  EXPECT_EQ(play.game.inputReady, 1);
}

TEST(Slide, ALoopThroughTheStartCellCountsFromTheFirstStep) {
  // Start at (1,0) going east round (0,0) east -> (3,0) south -> (3,2) west -> (0,2) north: the start
  // pair is not remembered, so the loop is noticed one step after the start cell, on plain floor.
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    | >  [.]  .   v   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | ^   .   .   <   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(play.E(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(2, 0));
  EXPECT_EQ(CountOf(play.painter.calls, "AnimateStep"), 11);
}

TEST(Slide, ALoopEndingOnAKeyTakesNothing) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  >   .   v   .   K |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   ^   .   <   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  play.E();
  EXPECT_EQ(play.game.keysLeft, 1);
}

TEST(Slide, TakingAKeyErasesItFromTheBackgroundFirst) {
  Play stop({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   K | .   .   . |
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
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(stop.E(), Landing::kKey);
  const Calls& c = stop.painter.calls;
  const Calls tail(c.end() - 4, c.end());
  EXPECT_EQ(tail, (Calls{"EraseCell(2,0)", "RestoreCell(2,0)", "DrawCharacter(2,0,1)", "PresentBoard()"}));
  EXPECT_EQ(stop.Cell(2, 0), kFloor);
  EXPECT_EQ(stop.game.keysLeft, 0);
}

TEST(Slide, TheDoorWithKeysLeftDoesNothingAndClearsOnceTheyAreTaken) {
  // A solid wall west of the door at (1, 0); the key at (5, 0).
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    | . | D   .   .   .   K |
    +   +   +   +   +   +   +
    | .   .  [.]  .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)"),
             StageOf(kEmptyBoard)});
  play.N();
  EXPECT_EQ(play.W(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(1, 0));
  EXPECT_EQ(play.E(), Landing::kKey);
  EXPECT_EQ(play.game.keysLeft, 0);
  EXPECT_EQ(play.W(), Landing::kCleared);
  EXPECT_EQ(play.At(), Pos(1, 0));
}

TEST(Slide, ClearingTheLastStageKeepsItSelected) {
  const StageLine line = StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  D | .   .   .   . |
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
    +---+---+---+---+---+---+)");
  Play play({line, line}, 1);
  EXPECT_EQ(play.E(), Landing::kCleared);
  EXPECT_EQ(play.game.stageIndex, 1);
}

// One move east reaches the door.
constexpr const char* kDoorEastOfStart = R"(
    +---+---+---+---+---+---+
    |[.]  D | .   .   .   . |
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

TEST(Slide, AFailedSaveStillEndsTheClearAndTheButtonsWorkAgain) {
  Play play({StageOf(kDoorEastOfStart), StageOf(kEmptyBoard)});
  play.window.failSave = true;
  EXPECT_THROW(play.E(), GameError);
  EXPECT_EQ(Calls(play.window.calls.end() - 4, play.window.calls.end()),
            (Calls{"MarkStageCleared(0)", "SaveRecords", "HidePlayScreen", "ShowStageSelect"}));
  EXPECT_EQ(play.game.stageIndex, 1);
  EXPECT_EQ(play.game.inputReady, 1);
}

TEST(Slide, WhenBothSavesOfAClearFailBothAreThrown) {
  Play play({StageOf(kDoorEastOfStart), StageOf(kEmptyBoard)});
  play.window.failSave = true;
  play.window.failRecords = true;
  try {
    play.E();
    ADD_FAILURE() << "the clear's failed saves were not thrown";
  } catch (const SeveralErrors& errors) {
    EXPECT_EQ(errors.errors.size(), 2u);  // the stage file's and the records'
  }
}

TEST(Slide, ALonePadWarpsNowhere) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   g |
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
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(play.E(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(5, 0));
  EXPECT_EQ(CountOf(play.painter.calls, "AnimateSink"), 0);
}

TEST(Slide, TheLastOtherPadOfTheColourInReadingOrderIsThePartner) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   b |
    +   +   +   +   +   +   +
    | b   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | r   .   .   .   b   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  EXPECT_EQ(play.E(), Landing::kWarp);  // the blue pads are (5, 0), (0, 1) and (4, 4)
  EXPECT_EQ(play.At(), Pos(4, 4));
}

TEST(Slide, PressesWhileAnOperationRunsDoNothing) {
  Play play(BuiltinStages());
  play.game.inputReady = 0;
  EXPECT_EQ(play.E(), Landing::kNone);
  EXPECT_FALSE(play.game.PlaceWall(kWest));
  EXPECT_FALSE(play.game.Undo());
  EXPECT_EQ(play.At(), Pos(2, 5));
  EXPECT_EQ(play.game.undo.undoCount, 0);
  EXPECT_TRUE(play.painter.calls.empty());
}

}  // namespace
}  // namespace suispo::test
