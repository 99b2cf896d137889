// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// How a stage is found rather than how long it is: a person's search effort and its rating, repeated
// moves in the solution, clears near par, and random play.
#include <gtest/gtest.h>

#include "core/design/effort.h"
#include "core/design/gates.h"
#include "core/design/measure.h"
#include "core/design/near_par.h"
#include "core/design/padding.h"
#include "core/design/random_player.h"
#include "core/design/repair.h"
#include "tests/support/stage_builder.h"

namespace suispo {
namespace {

StageDraft Draft(std::string_view picture, std::string_view mp = "00") { return DraftOfLine(test::StageOf(picture, mp)); }

// The empty board with a door in the far corner: east then south, or south then east.
StageDraft CornerDoor(std::string_view mp = "00") {
  StageDraft d = Draft(test::kEmptyBoard, mp);
  d.board.cells[CellIndex(5, 5)] = kDoor;
  return d;
}

constexpr SolverOp kE{false, kEast}, kW{false, kWest}, kS{false, kSouth}, kN{false, kNorth};

TEST(SearchEffort, APersonTakesTheKeyBeforeHeadingForTheDoor) {
  // East slides onto the door with the key still out; south takes the key. Tried: the start, the key
  // (no key left beats one left, though east was found first), back north; from there east clears.
  StageDraft d = Draft(test::kEmptyBoard);
  d.board.cells[CellIndex(5, 0)] = kDoor;
  d.board.cells[CellIndex(0, 5)] = kKey;
  EXPECT_EQ(SearchEffort(d), 3);
  EXPECT_EQ(SearchEffort(d, 2), -1);
  // The rating: each threshold still in the lower band, one more in the next; none found rates 5.
  EXPECT_EQ(EffortRating(kEffortThresholds[0]), 1);
  EXPECT_EQ(EffortRating(kEffortThresholds[0] + 1), 2);
  EXPECT_EQ(EffortRating(kEffortThresholds[3] + 1), 5);
  EXPECT_EQ(EffortRating(-1), 5);
}

TEST(Padding, MovesRepeatedFromTheSameCellCountAndRunsAreLong) {
  const StageDraft d = CornerDoor("01");
  // There and back four times: the last four moves repeat, one after another.
  const Padding padded = PaddingOf(d, {kE, kW, kE, kW, kE, kW, kS, kE});
  EXPECT_EQ(padded.moves, 8);
  EXPECT_EQ(padded.repeats, 4);
  EXPECT_EQ(padded.longestRun, 4);
  // A wall between repeats neither counts nor breaks the run; a new move does.
  const Padding walled = PaddingOf(d, {kE, kW, kE, {true, kNorth}, kW, kS, kN, kE});
  EXPECT_EQ(walled.repeats, 3);
  EXPECT_EQ(walled.longestRun, 2);
  StageMeasures m;
  m.par = 8;
  m.padding = padded;
  EXPECT_FALSE(GatesOf(m)[Gate::kNoPadding]);
  m.padding = PaddingOf(d, {kE, kS});
  EXPECT_TRUE(GatesOf(m)[Gate::kNoPadding]);
}

TEST(ClearsNearPar, CountTheWaysWithinOneOperationAsIdeas) {
  // East-south and south-east; no third move can be fitted in.
  EXPECT_EQ(ClearsNearPar(CornerDoor(), 2, kNearParCap, kMeasureStateLimit).count, 2);
  // A wall point adds a wall beside the start on the side not taken, or beside the turning cell on the
  // side it came from: four more, six in all, too many to force the idea.
  const int walled = ClearsNearPar(CornerDoor("01"), 2, kNearParCap, kMeasureStateLimit).count;
  EXPECT_EQ(walled, 6);
  StageMeasures m;
  m.nearParClears = walled;
  EXPECT_FALSE(GatesOf(m)[Gate::kForcing]);
  m.nearParClears = 2;
  EXPECT_TRUE(GatesOf(m)[Gate::kForcing]);
}

TEST(RepairNearPar, TakesAClearNearParAwayAndKeepsTheParAndTheOneIdea) {
  // A made stage of one idea, par 16, with six clears within one operation of it.
  StageDraft d = Draft(R"(
    +---+---+---+---+---+---+
    | D   .   .   K   . | . |
    +   +   +   +   +   +---+
    | .  [.]| . | .   .   . |
    +   +---+---+   +   +   +
    | . | .   .   O   . | . |
    +   +   +   +   +   +   +
    | < | .   .   .   . | . |
    +   +---+---+   +   +   +
    | K   K | . | .   .   . |
    +   +   +   +   +   +---+
    | .   .   .   .   . | . |
    +---+---+---+---+---+---+)", "02");
  const int par = ParOf(d, kMeasureStateLimit);
  const NearParClears near = ClearsNearPar(d, par, kNearParCap, kMeasureStateLimit);
  ASSERT_GT(near.count, kMostNearParClears);
  ASSERT_TRUE(RepairNearPar(d, par, SolveDraft(d, kMeasureStateLimit).ops, near, kHoles | kArrows, 0, kMeasureStateLimit));
  EXPECT_EQ(ParOf(d, kMeasureStateLimit), par);
  EXPECT_EQ(CountIdeas(d, par, kIdeaCap, kMeasureStateLimit).count, 1);
  EXPECT_LT(ClearsNearPar(d, par, kNearParCap, kMeasureStateLimit).count, near.count);
}

TEST(RandomPlayer, ClearsAnOpenStageOftenAndAGuardedOneSeldom) {
  // Every press leads round the board's corners, one of which is the door.
  const StageDraft open = CornerDoor();
  const double often = RandomClearRate(open);
  EXPECT_GT(often, kMostRandomClearRate);
  EXPECT_EQ(RandomClearRate(open), often);
  // The key lies beside the start, but the way to it and on to the door passes a hole and walls that
  // stop the slide short: nine operations chosen right.
  const StageDraft guarded = Draft(R"(
    +---+---+---+---+---+---+
    | . | .   .   .   .   . |
    +---+   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +---+---+---+   +
    | .   . | . | .   .   . |
    +   +   +---+---+---+   +
    | .   . | . | .   .   O |
    +   +   +   +   +   +   +
    | .   . | . | .   .   . |
    +   +   +   +   +   +   +
    | .   D   .   K  [.]  . |
    +---+---+---+---+---+---+)");
  ASSERT_EQ(ParOf(guarded, kMeasureStateLimit), 9);
  StageMeasures m;
  m.par = 1;
  m.randomClearRate = RandomClearRate(guarded);
  EXPECT_TRUE(GatesOf(m)[Gate::kNotTrivial]) << m.randomClearRate;
  m.randomClearRate = often;
  EXPECT_FALSE(GatesOf(m)[Gate::kNotTrivial]);
}

TEST(GateScopes, TheDemandingGatesAreAskedOnlyWhereTheStageStands) {
  StageGates onlyForcingFails, onlyTrivial;
  onlyForcingFails.pass.fill(true);
  onlyForcingFails.pass[static_cast<std::size_t>(Gate::kForcing)] = false;
  EXPECT_TRUE(onlyForcingFails.All());
  EXPECT_FALSE(onlyForcingFails.All(kDemandingPreset));
  EXPECT_FALSE(onlyForcingFails.All(kCollection));
  onlyTrivial.pass.fill(true);
  onlyTrivial.pass[static_cast<std::size_t>(Gate::kNotTrivial)] = false;
  EXPECT_TRUE(onlyTrivial.All(kCollection));
  EXPECT_FALSE(onlyTrivial.All(kCollection | kCollectionFromThird));
  EXPECT_FALSE(onlyTrivial.All(kDemandingPreset));
}

}  // namespace
}  // namespace suispo
