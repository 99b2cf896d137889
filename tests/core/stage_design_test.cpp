// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage design: drafts turned and mirrored, the measures an author judges a stage by, and the generator.
#include <gtest/gtest.h>

#include <atomic>

#include "core/design/generator.h"
#include "core/design/measure.h"
#include "core/design/repair.h"
#include "tests/support/stage_builder.h"

namespace suispo {
namespace {

using test::StageOf;

StageDraft Draft(std::string_view picture, std::string_view mp = "00") { return DraftOfLine(StageOf(picture, mp)); }

// Two walls meeting in a corner, and their mirror image: two groups of two, mirrored left to right.
const StageDraft kCorners = Draft(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   D |
    +   +---+   +   +---+   +
    | .   . | .   . | .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   >   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   K |
    +---+---+---+---+---+---+)");

// East then south, or south then east: two ideas.
StageDraft TwoWays() {
  StageDraft d = Draft(test::kEmptyBoard);
  d.board.cells[CellIndex(5, 5)] = kDoor;
  return d;
}
const StageDraft kTwoWays = TwoWays();

TEST(StageDraft, TurnsAndMirrorsKeepTheStageUpToItsLook) {
  StageDraft turned = kCorners;
  for (int i = 0; i < 4; ++i) turned = Transformed(turned, 1);
  EXPECT_EQ(turned, kCorners);
  const StageDraft mirrored = Transformed(kCorners, 4);
  EXPECT_EQ(mirrored.board.cells[CellIndex(3, 3)], kArrowWest);
  EXPECT_EQ(mirrored.start, CellIndex(5, 0));
  EXPECT_EQ(CanonicalText(mirrored), CanonicalText(kCorners));
  EXPECT_EQ(DraftOfLine(kCorners.Line("x")), kCorners);
}

TEST(StageMeasures, WallsAreReadAsGroupsOfTouchingEdgesAndTheirSymmetry) {
  int edges = 0;
  EXPECT_DOUBLE_EQ(WallGroupMean(kCorners.board, &edges), 2.0);
  EXPECT_EQ(edges, 4);
  EXPECT_DOUBLE_EQ(WallSymmetry(kCorners.board), 1.0);
  StageDraft lopsided = kCorners;
  EdgeKind(lopsided.board, {{1, 1}, false}) = kNoWall;
  EXPECT_DOUBLE_EQ(WallSymmetry(lopsided.board), 2.0 / 3.0);
}

TEST(StageMeasures, OptimalSolutionsCountAsOneIdeaOnlyWhenTheirMovesAndWallsAgree) {
  EXPECT_EQ(CountIdeas(kTwoWays, 2, kIdeaCap, kMeasureStateLimit).count, 2);
  // Wall points that the one way down does not need make no second idea.
  const StageDraft walls = Draft(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   . |[.]  .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   D   .   .   . |
    +---+---+---+---+---+---+)", "02");
  const Ideas ideas = CountIdeas(walls, 1, kIdeaCap, kMeasureStateLimit);
  EXPECT_EQ(ideas.count, 1);
  EXPECT_EQ(Measure(walls).par, 1);
}

TEST(StageMeasures, APieceThatChangesNothingIsInertAndFailsTheGates) {
  const StageMeasures m = Measure(kCorners);
  EXPECT_EQ(m.par, 3);  // S, E, N: the arrow stands aside
  EXPECT_EQ(m.present, kArrows);
  EXPECT_EQ(m.needed, 0u);
  EXPECT_EQ(m.inert, std::vector<std::string>{"arrow at (2, 3)"});
  const StageGates g = GatesOf(m);
  EXPECT_FALSE(g.mechanicsNeeded);
  EXPECT_FALSE(g.noInertPiece);
  EXPECT_TRUE(g.wallsGrouped && g.symmetricLook && g.fewKinds);
  EXPECT_FALSE(PassesGates(kCorners, 3, false));
}

TEST(StageMeasures, OneWallPointMoreThatShortensTheClearFailsTheWallPointGate) {
  // Six moves without a wall point (E S W N E N); a wall point more clears it in five.
  StageDraft draft = Draft(R"(
    +---+---+---+---+---+---+
    |[.]  D   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+   +   +   +   +   +
    | .   . | .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  StageMeasures m = Measure(draft);
  EXPECT_EQ(m.par, 6);
  EXPECT_FALSE(m.wallPointsExact);
  EXPECT_FALSE(GatesOf(m).wallPointsExact);
  // With that wall point given, one more does not shorten the five.
  draft.mp = 1;
  m = Measure(draft);
  EXPECT_EQ(m.par, 5);
  EXPECT_TRUE(m.wallPointsExact);
}

TEST(StageRepair, WhereTwoIdeasPartAPieceOfTheStagesMechanicOrElseAWallTakesOneAway) {
  const Ideas two = CountIdeas(kTwoWays, 2, kIdeaCap, kMeasureStateLimit);
  StageDraft holed = kTwoWays;
  ASSERT_TRUE(RepairIdeas(holed, 2, two, kHoles, 0, kMeasureStateLimit));
  EXPECT_EQ(MechanicsOn(holed.board), kHoles);
  int edges = 0;
  WallGroupMean(holed.board, &edges);
  EXPECT_EQ(edges, 0);
  StageDraft walled = kTwoWays;
  ASSERT_TRUE(RepairIdeas(walled, 2, two, 0, 0, kMeasureStateLimit));
  EXPECT_EQ(MechanicsOn(walled.board), 0u);
  WallGroupMean(walled.board, &edges);
  EXPECT_EQ(edges, 1);
  for (const StageDraft& repaired : {holed, walled}) {
    EXPECT_EQ(ParOf(repaired, kMeasureStateLimit), 2);
    EXPECT_EQ(CountIdeas(repaired, 2, kIdeaCap, kMeasureStateLimit).count, 1);
  }
  // The diagonal mirror of a wall that cuts one way cuts the other too: the wall alone is kept.
  StageDraft mirrored = kTwoWays;
  ASSERT_TRUE(RepairIdeas(mirrored, 2, two, 0, 6, kMeasureStateLimit));
  WallGroupMean(mirrored.board, &edges);
  EXPECT_EQ(edges, 1);
}

TEST(GenerateStages, ThePresetsStagesPassTheGatesAndTheSameSeedGivesTheSameStages) {
  const GenerateOptions options = PresetOptions(StagePreset::kBeginner, 3, 7);
  int progress = 0;
  GenerateOptions counted = options;
  counted.progress = [&](int made, int wanted) {
    EXPECT_EQ(made, ++progress);
    EXPECT_EQ(wanted, 3);
  };
  const GenerateReport report = GenerateStages(counted);
  ASSERT_EQ(report.lines.size(), 3u);
  EXPECT_EQ(progress, 3);
  EXPECT_EQ(GenerateStages(options).lines, report.lines);
  EXPECT_NE(GenerateStages(PresetOptions(StagePreset::kBeginner, 3, 8)).lines, report.lines);
  int lastPar = 0;
  for (const StageLine& line : report.lines) {
    const StageMeasures m = Measure(DraftOfLine(line));
    EXPECT_TRUE(GatesOf(m).All()) << line;
    EXPECT_TRUE(PassesGates(DraftOfLine(line), m.par, false)) << line;
    EXPECT_GE(m.par, std::max(lastPar, options.minPar));
    EXPECT_LE(m.par, options.maxPar);
    lastPar = m.par;
  }
}

TEST(GenerateStages, ACancelStopsWithNoStages) {
  std::atomic<bool> cancel = true;
  GenerateOptions options = PresetOptions(StagePreset::kNormal, 10, 1);
  options.cancel = &cancel;
  const GenerateReport report = GenerateStages(options);
  EXPECT_TRUE(report.cancelled);
  EXPECT_TRUE(report.lines.empty());
  EXPECT_LE(report.tried, 1);
}

}  // namespace
}  // namespace suispo
