// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The rules asked without a painter: slide paths, where they rest, landings, warp partners, wall edges.
#include <gtest/gtest.h>

#include "core/rules/play_state.h"
#include "core/rules/stage_play.h"
#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

// A stage drawn as a picture, started.
PlayState Started(std::string_view picture, std::string_view mp = "00") {
  PlayState state;
  rules::StartStage(StageOf(picture, mp), state);
  return state;
}

std::vector<SlideStep> Steps(const SlidePath& path) {
  return {path.steps.begin(), path.steps.begin() + path.stepCount};
}

TEST(TraceSlide, ArrowsTurnTheSlideAndSolidWallsStopItWhereMarkedEdgesLetItPass) {
  // Start (0,0) east: over a marked edge, onto the south arrow at (3,0), down to the solid wall under (3,2).
  const PlayState s = Started(R"(
    +---+---+---+---+---+---+
    |[.]: .   .   v   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +---+   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  const SlidePath path = TraceSlide(s.board, {0, 0}, kEast);
  EXPECT_EQ(Steps(path), (std::vector<SlideStep>{{{1, 0}, kEast}, {{2, 0}, kEast}, {{3, 0}, kSouth},
                                                 {{3, 1}, kSouth}, {{3, 2}, kSouth}}));
  EXPECT_EQ(path.rest, (Cell{3, 2}));
  EXPECT_EQ(path.facing, kSouth);
  EXPECT_FALSE(path.loopStopped);
  // Blocked at once: no step, facing the way pressed.
  const SlidePath none = TraceSlide(s.board, {0, 0}, kNorth);
  EXPECT_EQ(none.stepCount, 0);
  EXPECT_EQ(none.rest, (Cell{0, 0}));
  EXPECT_EQ(none.facing, kNorth);
}

TEST(TraceSlide, AHoleStopsTheSlideOnItAndAnArrowIntoAWallKeepsTheCharacterOnIt) {
  const PlayState s = Started(R"(
    +---+---+---+---+---+---+
    |[.]  .   O   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | ^   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  EXPECT_EQ(TraceSlide(s.board, {0, 0}, kEast).rest, (Cell{2, 0}));
  EXPECT_EQ(LandingAt(s.board, {2, 0}, 0), Landing::kMissed);
  const SlidePath up = TraceSlide(s.board, {0, 5}, kNorth);  // onto the arrow north at (0,2), then on to row 0
  EXPECT_EQ(up.rest, (Cell{0, 0}));
  const PlayState wall = Started(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+   +   +   +   +   +
    | ^   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  EXPECT_EQ(TraceSlide(wall.board, {0, 5}, kNorth).rest, (Cell{0, 2}));
}

TEST(TraceSlide, AClosedLoopOfArrowsStopsAtTheFirstRepeatedCellAndDirection) {
  // Four arrows turning clockwise around the square (1,1)-(2,2); entered from the west at (1,1).
  const PlayState s = Started(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    |[.]  >   v   .   .   . |
    +   +   +   +   +   +   +
    | .   ^   <   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  const SlidePath path = TraceSlide(s.board, {0, 1}, kEast);
  EXPECT_TRUE(path.loopStopped);
  EXPECT_EQ(path.stepCount, 5);  // (1,1) (2,1) (2,2) (1,2) and (1,1) again going east
  EXPECT_EQ(path.rest, (Cell{1, 1}));
  EXPECT_EQ(path.facing, kEast);
  // Traced again into the same path (as a move's answer is), a short slide keeps nothing of the loop.
  SlidePath reused = path;
  TraceSlide(s.board, {0, 1}, kNorth, reused);
  EXPECT_FALSE(reused.loopStopped);
  EXPECT_EQ(Steps(reused), (std::vector<SlideStep>{{{0, 0}, kNorth}}));
  EXPECT_EQ(reused.rest, (Cell{0, 0}));
}

TEST(LandingAt, OnlyTheRestingCellCountsAndTheDoorWaitsForTheLastKey) {
  const PlayState s = Started(R"(
    +---+---+---+---+---+---+
    |[.]  K   D   r   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   b |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   r |
    +---+---+---+---+---+---+)");
  EXPECT_EQ(LandingAt(s.board, {1, 0}, 1), Landing::kKey);
  EXPECT_EQ(LandingAt(s.board, {2, 0}, 1), Landing::kNone);
  EXPECT_EQ(LandingAt(s.board, {2, 0}, 0), Landing::kCleared);
  EXPECT_EQ(LandingAt(s.board, {3, 0}, 1), Landing::kWarp);
  EXPECT_EQ(LandingAt(s.board, {5, 3}, 1), Landing::kNone);  // a lone blue pad
  EXPECT_EQ(LandingAt(s.board, {0, 0}, 1), Landing::kNone);
}

TEST(WarpPartner, IsTheLastOtherPadOfTheColourInReadingOrder) {
  const PlayState s = Started(R"(
    +---+---+---+---+---+---+
    |[.]  .   r   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | r   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   r   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  EXPECT_EQ(WarpPartner(s.board, {2, 0}), (Cell{4, 3}));
  EXPECT_EQ(WarpPartner(s.board, {4, 3}), (Cell{0, 2}));
  const PlayState lone = Started(R"(
    +---+---+---+---+---+---+
    |[.]  .   b   .   .   . |
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
  EXPECT_EQ(WarpPartner(lone.board, {2, 0}), std::nullopt);
}

TEST(Move, TakesTheKeyWhereItRestsAndCrossesAWarpToItsPartner) {
  PlayState s = Started(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   r | .   K |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   r |
    +---+---+---+---+---+---+)");
  const MoveResult warp = rules::Slide(s, kEast);
  EXPECT_EQ(warp.landing, Landing::kWarp);
  EXPECT_EQ(warp.warpedFrom, (Cell{3, 0}));
  EXPECT_EQ(s.Position(), (Cell{5, 5}));
  EXPECT_EQ(s.facing, kEast);
  EXPECT_EQ(rules::Slide(s, kNorth).landing, Landing::kKey);
  EXPECT_EQ(s.Position(), (Cell{5, 0}));
  EXPECT_EQ(s.board.cells[CellIndex(5, 0)], kFloor);
  EXPECT_EQ(s.keysLeft, 0);
}

TEST(BuildWall, TurnsEvenWhenRefusedAndTakesAPointOnlyForAFreeEdge) {
  PlayState s = Started(R"(
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
    | .   .  [.]: .   .   . |
    +---+---+---+---+---+---+)", "02");
  EXPECT_FALSE(rules::PlaceWall(s, kSouth));  // the border
  EXPECT_FALSE(rules::PlaceWall(s, kEast));   // a marked edge takes no wall
  EXPECT_EQ(s.facing, kEast);
  EXPECT_EQ(s.mp, 2);
  EXPECT_TRUE(rules::PlaceWall(s, kWest));
  EXPECT_EQ(s.board.eastWalls[CellIndex(1, 5)], kSolidWall);
  EXPECT_FALSE(WallFits(s.board, {1, 5}, kEast));  // one edge seen from both sides
  EXPECT_TRUE(rules::PlaceWall(s, kNorth));
  EXPECT_EQ(s.mp, 0);
  EXPECT_FALSE(rules::PlaceWall(s, kNorth));
}

TEST(StagePlay, AMissStartsTheStageAgainAndUndoRestoresKeysWallsAndPoints) {
  rules::StagePlay play(BuiltinStages()[0]);
  play.StartStage();
  EXPECT_TRUE(play.PlaceWall(kEast));
  EXPECT_EQ(play.Slide(kNorth).landing, Landing::kNone);
  EXPECT_TRUE(play.Undo());
  EXPECT_TRUE(play.Undo());
  EXPECT_FALSE(play.Undo());
  EXPECT_EQ(play.mp, 1);
  EXPECT_EQ(play.board.eastWalls[CellIndex(2, 5)], kNoWall);
  EXPECT_EQ(play.Slide(kWest).landing, Landing::kMissed);
  EXPECT_EQ(play.Position(), (Cell{2, 5}));
  EXPECT_EQ(play.undo.undoCount, 0);
}

}  // namespace
}  // namespace suispo::test
