// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage design: drafts turned and mirrored, the measures an author judges a stage by, and the generator.
#include <gtest/gtest.h>

#include <atomic>

#include "core/design/gates.h"
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
  EXPECT_FALSE(g[Gate::kMechanicsNeeded]);
  EXPECT_FALSE(g[Gate::kNoInertPiece]);
  EXPECT_TRUE(g[Gate::kWallsGrouped] && g[Gate::kSymmetricLook] && g[Gate::kFewKinds]);
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
  EXPECT_FALSE(GatesOf(m)[Gate::kWallPointsExact]);
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

TEST(GenerateStages, EveryStagePassesEveryGateAndTheSameSeedGivesTheSameBytesOnAnyThreads) {
  const GenerateOptions options = PresetOptions(StagePreset::kBeginner, 3, 7);
  int made = 0;
  const GenerateReport report =
      GenerateStages(options, {.progress = [&](const GenerateProgress& p) { made = p.made; }, .threads = 1});
  ASSERT_EQ(report.lines.size(), 3u);
  EXPECT_EQ(made, 3);
  for (int threads : {2, 3}) EXPECT_EQ(GenerateStages(options, {.threads = threads}).lines, report.lines) << threads;
  EXPECT_NE(GenerateStages(PresetOptions(StagePreset::kBeginner, 3, 8)).lines, report.lines);
  int lastPar = 0;
  for (const StageLine& line : report.lines) {
    // The gates the stage tool's check reports, from the one table.
    const StageMeasures m = Measure(DraftOfLine(line), kDefaultStateLimit);
    EXPECT_TRUE(GatesOf(m).All()) << line;
    EXPECT_GE(m.par, std::max(lastPar, options.minPar));
    EXPECT_LE(m.par, options.maxPar);
    // Within the preset's effort band, as within its par band.
    EXPECT_TRUE(m.effort >= 0 && m.effort <= options.maxEffort) << m.effort;
    lastPar = m.par;
  }
}

TEST(GenerateStages, AHardPresetsStagesPassTheDemandingGatesWithinItsEffortBand) {
  const GenerateOptions options = PresetOptions(StagePreset::kHard, 1, 5);
  const GenerateReport report = GenerateStages(options);
  ASSERT_EQ(report.lines.size(), 1u);
  for (const StageLine& line : report.lines) {
    const StageMeasures m = Measure(DraftOfLine(line), kDefaultStateLimit);
    EXPECT_TRUE(GatesOf(m).All(kDemandingPreset)) << line;
    EXPECT_TRUE(m.effort >= options.minEffort && m.effort <= options.maxEffort) << m.effort;
  }
}

TEST(GenerateStages, AStagePastItsBudgetStillPassesItsGatesAndIsTheSameBytesOnAnyThreads) {
  // Warps with marked edges: some of this seed's candidates run out of their work budget on the way.
  GenerateOptions options = PresetOptions(StagePreset::kHard, 1, 2);
  options.mechanicSets = {kWarps | kMarkedEdges};
  const GenerateReport report = GenerateStages(options, {.threads = 1});
  ASSERT_EQ(report.lines.size(), 1u);
  EXPECT_GE(report.overBudget, 1);
  const StageMeasures m = Measure(DraftOfLine(report.lines[0]), kDefaultStateLimit);
  EXPECT_TRUE(GatesOf(m).All(kDemandingPreset)) << report.lines[0];
  EXPECT_EQ(m.present, kWarps | kMarkedEdges);
  EXPECT_TRUE(m.effort >= options.minEffort && m.effort <= options.maxEffort) << m.effort;
  EXPECT_EQ(GenerateStages(options, {.threads = 3}).lines, report.lines);
}

TEST(GenerateStages, ACancelStopsWithNoStages) {
  std::atomic<bool> cancel = true;
  const GenerateReport report = GenerateStages(PresetOptions(StagePreset::kNormal, 10, 1), {.cancel = &cancel});
  EXPECT_TRUE(report.cancelled);
  EXPECT_TRUE(report.lines.empty());
  EXPECT_EQ(report.tried, 0);
}

TEST(GenerateOptions, EveryOptionHasARangeAndASetNoStageCanMeetIsRefusedAtOnce) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } refused[] = {
      {{"--keys", "0"}, "--keys takes 1 to 8, not 0"},
      {{"--keys", "40"}, "--keys takes 1 to 8, not 40"},
      {{"--wall-points", "100000"}, "--wall-points takes 0 to 9, not 100000"},
      {{"--seed", "4294967296"}, "--seed takes 0 to 4294967295, not 4294967296"},
      {{"--count", "-1"}, "--count takes 1 to 10000, not -1"},
      {{"--min-par", "30", "--max-par", "5"}, "--min-par 30 is above --max-par 5"},
      {{"--mechanics", "holes+arrows+warps+marked"}, "--mechanics: no stage may hold holes,arrows,warps,marked at once without --free-kinds 1"},
      {{"--mechanics", "ice"}, "--mechanics: no mechanic 'ice' (walls, holes, arrows, warps, marked)"},
      {{"--name", "two\nlines"}, "--name may not hold a control character"},
      {{"--name", std::string(5000, 'x')}, "--name takes at most 3940 bytes in the stage file's encoding"},
      {{"--free-kinds", "yes"}, "--free-kinds takes 0 to 1, not yes"},
      {{"--preset", "easy"}, "--preset takes beginner, normal, hard or expert, not 'easy'"},
      {{"--keys"}, "--keys needs a value"},
  };
  for (const auto& [args, message] : refused) {
    try {
      ReadOptions(args);
      ADD_FAILURE() << message;
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
  // The whole 32-bit range of seeds, and a preset adjusted by the options after it.
  EXPECT_EQ(ReadOptions({"--seed", "0"}).seed, 0u);
  GenerateOptions expected = PresetOptions(StagePreset::kExpert, 10, 4294967295u);
  expected.maxKeys = 1;
  EXPECT_EQ(ReadOptions({"--seed", "4294967295", "--keys", "1", "--preset", "expert"}), expected);
  // --demanding 0 leaves out the preset's demanding gates and effort band, wherever it stands.
  EXPECT_EQ(ReadOptions({"--demanding", "0", "--preset", "hard"}), PresetOptions(StagePreset::kHard, 10, 1, /*plain=*/true));
  EXPECT_NE(PresetOptions(StagePreset::kHard, 10, 1, true), PresetOptions(StagePreset::kHard, 10, 1));
  // The generator checks the same limits for the game, which never reads arguments.
  GenerateOptions tooMany = expected;
  tooMany.maxKeys = 36;
  EXPECT_THROW(GenerateStages(tooMany), std::invalid_argument);
}

}  // namespace
}  // namespace suispo
