// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The solver on hand-made stages: each landing, the loop bound, lone pads, walls that must stand, no
// solution, the state limit, and a start after some operations.
#include <gtest/gtest.h>

#include <set>

#include "core/solver/solver.h"
#include "core/rules/stage_play.h"
#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

std::string Tokens(const SolveResult& r) {
  std::string text;
  for (const SolverOp& op : r.ops) text += std::string(text.empty() ? "" : " ") + (op.wall ? "+" : "") + "NESW"[op.direction];
  return text;
}

// The stage played by the game's operations, from its start: the solution must end in the clear.
bool Clears(const StageLine& line, const SolveResult& r) {
  rules::StagePlay play(line);
  play.StartStage();
  Landing last = Landing::kNone;
  for (const SolverOp& op : r.ops) {
    if (last == Landing::kCleared) return false;
    if (op.wall) {
      if (!play.PlaceWall(op.direction)) return false;
      last = Landing::kNone;
    } else {
      last = play.Slide(op.direction).landing;
    }
  }
  return last == Landing::kCleared;
}

SolveResult SolveLine(const StageLine& line, const SolveOptions& options = {}) {
  PlayState start;
  rules::StartStage(line, start);
  return Solve(start, options);
}

TEST(Solver, BuiltInStageOneTakesTheSevenOperationsWithTheWallBuiltFirst) {
  const StageLine line = BuiltinStages()[0];
  const SolveResult r = SolveLine(line);
  ASSERT_EQ(r.outcome, SolveOutcome::kSolved);
  EXPECT_EQ(Tokens(r), "+E N E S W N W");
  EXPECT_EQ(r.moves, 6);
  EXPECT_EQ(r.walls, 1);
  EXPECT_TRUE(Clears(line, r));
  // The same answer on every run.
  EXPECT_EQ(Tokens(SolveLine(line)), Tokens(r));
}

TEST(Solver, EveryBuiltInStageIsClearedByItsSolution) {
  const std::size_t pars[] = {7, 9, 11, 11, 35};
  for (std::size_t i = 0; i < 5; ++i) {
    const SolveResult r = SolveLine(BuiltinStages()[i]);
    EXPECT_EQ(r.ops.size(), pars[i]) << "stage " << i + 1;
    EXPECT_TRUE(Clears(BuiltinStages()[i], r)) << "stage " << i + 1;
  }
}

TEST(Solver, TheKeyIsTakenWhereTheSlideRestsAndTheDoorWaitsForIt) {
  // South would rest on the door at once, but with the key at (2,0) still on the board.
  const StageLine line = StageOf(R"(
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
    | D   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  const SolveResult r = SolveLine(line);
  EXPECT_EQ(Tokens(r), "E S W");
  EXPECT_TRUE(Clears(line, r));
}

TEST(Solver, AWarpPadCarriesTheCharacterAndALonePadDoesNot) {
  // The pair of red pads (1,0) and (3,5): east rests on (1,0) against the wall and warps beside the door.
  const StageLine paired = StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  r | .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   r   .   D |
    +---+---+---+---+---+---+)");
  const SolveResult r = SolveLine(paired);
  EXPECT_EQ(Tokens(r), "E E");
  EXPECT_TRUE(Clears(paired, r));
  // Alone, the pad at (1,0) is floor: the door at (5,5) is still reached, but the long way.
  const StageLine lone = StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  r | .   .   .   . |
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
    +---+---+---+---+---+---+)");
  const SolveResult alone = SolveLine(lone);
  EXPECT_EQ(Tokens(alone), "S E");
  EXPECT_TRUE(Clears(lone, alone));
}

TEST(Solver, AMoveIntoAHoleIsNeverPartOfASolution) {
  // South falls into the hole at (0,3); the door under it is reached round the side.
  const StageLine line = StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | O   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | D   .   .   .   .   . |
    +---+---+---+---+---+---+)");
  const SolveResult r = SolveLine(line);
  EXPECT_EQ(Tokens(r), "E S W");
  EXPECT_TRUE(Clears(line, r));
}

TEST(Solver, ASlideCutByTheLoopBoundEndsWhereItWasCut) {
  // Entered from the west, the arrows (1,1)-(2,2) turn the slide round for ever; the cut leaves the
  // character on (1,1), the one place from which north rests on the door at (1,0).
  const StageLine line = StageOf(R"(
    +---+---+---+---+---+---+
    | .   D   .   .   .   . |
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
  const SolveResult r = SolveLine(line, {.exploreAll = true});
  EXPECT_TRUE(r.loopStopReached);
  EXPECT_EQ(Tokens(r), "E N");
  EXPECT_TRUE(Clears(line, r));
}

TEST(Solver, WithoutTheWallPointForItsWallStageOneCannotBeCleared) {
  StageLine line = BuiltinStages()[0];
  line.replace(72, 2, "00");
  const SolveResult none = SolveLine(line);
  EXPECT_EQ(none.outcome, SolveOutcome::kNoSolution);
  EXPECT_EQ(none.reason, "no sequence of operations clears it");
  EXPECT_GT(none.states, 0u);
}

TEST(Solver, APlainlyHopelessStageIsAnsweredWithoutASearch) {
  const SolveResult noDoor = SolveLine(StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   K   .   .   . |
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
    +---+---+---+---+---+---+)", "09"));
  EXPECT_EQ(noDoor.reason, "no door");
  EXPECT_EQ(noDoor.states, 0u);
  // Solid walls all round the key at (4,4): no wall anywhere lets the character in.
  const SolveResult shut = SolveLine(StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +---+   +
    | .   .   .   . | K | . |
    +   +   +   +   +---+   +
    | .   .   .   .   .   D |
    +---+---+---+---+---+---+)", "09"));
  EXPECT_EQ(shut.reason, "the key at (4, 4) cannot be reached");
  EXPECT_EQ(shut.states, 0u);
}

TEST(Solver, TheStateLimitStopsTheSearchAndSaysSo) {
  const SolveResult r = SolveLine(BuiltinStages()[4], {.stateLimit = 1000});
  EXPECT_EQ(r.outcome, SolveOutcome::kStopped);
  EXPECT_EQ(r.states, 1000u);
  EXPECT_EQ(r.reason, "the search stopped at its limit of 1000 states");
}

TEST(Solver, ABoundedSearchLooksOnlyForClearsThatShort) {
  // Built-in stage one clears in seven operations: a bound of six finds none, one of seven the same seven.
  const SolveResult six = SolveLine(BuiltinStages()[0], {.maxOps = 6});
  EXPECT_EQ(six.outcome, SolveOutcome::kNoSolution);
  EXPECT_FALSE(six.complete);
  EXPECT_EQ(six.reason, "no clear in 6 operations or fewer");
  EXPECT_LT(six.states, SolveLine(BuiltinStages()[0]).states);
  EXPECT_EQ(Tokens(SolveLine(BuiltinStages()[0], {.maxOps = 7})), "+E N E S W N W");
}

// Solve's par with the character started on each cell of the line's board (-1 for none, and for any
// cell that holds more than floor, where no play starts).
std::array<int, kCellCount> ParFromEachCell(const StageLine& line) {
  PlayState start;
  rules::StartStage(line, start);
  std::array<int, kCellCount> pars;
  for (int i = 0; i < kCellCount; ++i) {
    start.playerX = i / kBoardSize;
    start.playerY = i % kBoardSize;
    const SolveResult r = Solve(start);
    const bool floor = start.board.cells[static_cast<std::size_t>(i)] == kFloor;
    pars[static_cast<std::size_t>(i)] = floor && r.outcome == SolveOutcome::kSolved ? static_cast<int>(r.ops.size()) : -1;
  }
  return pars;
}

TEST(Solver, TheDistancesToTheClearAreTheParFromEachStartCell) {
  const StageLine holesAndKeys = StageOf(R"(
    +---+---+---+---+---+---+
    | D   .   . | . | .   . |
    +   +   +   +   +   +   +
    | .   .   .   . | .   K |
    +   +   +   +---+   +   +
    | .   .   .   .   .   . |
    +---+   +   +   +---+   +
    | .   . | .   . | .   . |
    +---+---+   +---+   +   +
    | .  [.]  K | .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   O   .   . |
    +---+---+---+---+---+---+)", "01");
  const StageLine padsAndWalls = StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   r   .   .   .  [.]|
    +   +   +   +   +   +   +
    | .   K | . | . | .   . |
    +---+---+---+---+---+---+
    | . | .   .   .   r | . |
    +   +   +   +   +   +   +
    | .   . | .   . | .   . |
    +   +   +   +   +   +   +
    | D   .   .   .   K   . |
    +---+---+---+---+---+---+)", "01");
  const StageLine arrowsAndMarks = StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   r   .   .   . |
    +   +   +   +   +   +   +
    | .   v   .   . : .   K |
    +   +   +   +   +   +   +
    |[.]  .   .   <   .   . |
    +   +   +...+   +   +   +
    | .   .   .   . | r   . |
    +   +   +   +   +   +   +
    | K   .   >   .   .   . |
    +   +   +   +   +---+   +
    | .   .   .   .   .   D |
    +---+---+---+---+---+---+)", "01");
  for (const StageLine& line : {holesAndKeys, padsAndWalls, arrowsAndMarks}) {
    PlayState start;
    rules::StartStage(line, start);
    const std::optional<std::array<int, kCellCount>> distances = ClearDistances(start);
    ASSERT_TRUE(distances.has_value());
    const std::array<int, kCellCount> pars = ParFromEachCell(line);
    EXPECT_EQ(*distances, pars) << line;
    // Cells with no clear, and at least two different pars: each answer is its own start's.
    EXPECT_GE(std::set<int>(pars.begin(), pars.end()).size(), 3u) << line;
  }
  PlayState start;
  rules::StartStage(holesAndKeys, start);
  EXPECT_FALSE(ClearDistances(start, 100).has_value()) << "stopped at its state limit";
}

TEST(Solver, StartsFromTheStateAfterSomeOperations) {
  rules::StagePlay play(BuiltinStages()[0]);
  play.StartStage();
  play.PlaceWall(kEast);
  play.Slide(kNorth);
  const SolveResult r = Solve(play);
  EXPECT_EQ(Tokens(r), "E S W N W");
}

}  // namespace
}  // namespace suispo::test
