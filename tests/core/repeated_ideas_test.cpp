// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Ideas stages share: the corner loop round a built wall, and clears alike under a turn or mirror.
#include <gtest/gtest.h>

#include "core/design/generator.h"
#include "core/design/measure.h"
#include "core/design/repeated_ideas.h"
#include "tests/support/stage_builder.h"

namespace suispo {
namespace {

constexpr SolverOp kN{false, kNorth}, kE{false, kEast}, kS{false, kSouth}, kW{false, kWest};
constexpr SolverOp kWallE{true, kEast}, kWallW{true, kWest};

constexpr int kSetOfThree = 3;

// The empty board, the start in its bottom-left corner, the door beside it and one wall point.
StageDraft DoorBesideTheStart() {
  StageDraft d = DraftOfLine(test::StageOf(test::kEmptyBoard, "01"));
  d.start = CellIndex(0, 5);
  d.board.cells[CellIndex(1, 5)] = kDoor;
  return d;
}

TEST(CornerLoop, AWallBuiltThenFourSlidesTurningOneWayBackAgainstIt) {
  // A wall east of the start; north, east, south and west round the board end against it, on the door.
  const StageDraft open = DoorBesideTheStart();
  EXPECT_EQ(CornerLoopAt(open, {kWallE, kN, kE, kS, kW}), 0);
  // The same round on a board that has the wall already: nothing built, no loop.
  StageDraft walled = open;
  EdgeKind(walled.board, Edge{{0, 5}, false}) = kSolidWall;
  EXPECT_EQ(CornerLoopAt(walled, {kN, kE, kS, kW}), -1);
}

TEST(AlikeClears, TenOperationsInARowUnderAMirrorMakeTwoStagesAlike) {
  const std::vector<SolverOp> clear = {kWallE, kN, kE, kS, kW, kN, kE, kS, kW, kN, kE};
  // The same clear mirrored left and right, after a first move of its own.
  const std::vector<SolverOp> mirrored = {kS, kWallW, kN, kW, kS, kE, kN, kW, kS, kE, kN, kW};
  // Nine of the operations only, the rest its own.
  const std::vector<SolverOp> nine = {kWallE, kN, kE, kS, kW, kN, kE, kS, kW, kS, kS};
  EXPECT_EQ(SharedRun(clear, mirrored), 11);
  const std::vector<AlikePair> pairs = AlikePairs({clear, nine, mirrored});
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].first, 0u);
  EXPECT_EQ(pairs[0].second, 2u);
}

TEST(GenerateStages, AHardSetHoldsFewCornerLoopsAndNoClearsAlike) {
  const GenerateReport report = GenerateStages(PresetOptions(StagePreset::kHard, kSetOfThree, 3), {.threads = 1});
  ASSERT_EQ(report.lines.size(), std::size_t{kSetOfThree});
  std::vector<std::vector<SolverOp>> clears;
  int loops = 0;
  for (const StageLine& line : report.lines) {
    const StageDraft draft = DraftOfLine(line);
    clears.push_back(SolveDraft(draft, kDefaultStateLimit).ops);
    loops += CornerLoopAt(draft, clears.back()) >= 0 ? 1 : 0;
  }
  EXPECT_LE(loops, MostCornerLoops(kSetOfThree));
  EXPECT_TRUE(AlikePairs(clears).empty());
}

}  // namespace
}  // namespace suispo
