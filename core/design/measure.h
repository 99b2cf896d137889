// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What makes a stage worth playing, measured: its par, how many different optimal ideas clear it, which
// of its mechanics the solution needs, which pieces do nothing, and how its walls are laid out.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/design/draft.h"
#include "core/design/padding.h"
#include "core/design/mechanics.h"
#include "core/solver/solver.h"

namespace suispo {

// The par of a draft; -1 when it cannot be cleared or the search stops at `stateLimit`.
int ParOf(const StageDraft& draft, std::size_t stateLimit);
SolveResult SolveDraft(const StageDraft& draft, std::size_t stateLimit, int maxOps = 0);
// The par from each floor cell as the start (ClearDistances); none when its search stops at `stateLimit`.
std::optional<std::array<int, kCellCount>> ParFromEachCell(const StageDraft& draft, std::size_t stateLimit);

// The optimal solutions of a draft grouped by idea: two solutions are one idea when they make the same
// moves and end with the same walls (the order of the walls between two moves does not matter).
struct Ideas {
  int count = 0;                             // capped; -1 when not decided within the state limit
  std::vector<std::vector<SolverOp>> first;  // one solution of each idea found, at most two
  std::size_t states = 0;                    // the states the search held
};
Ideas CountIdeas(const StageDraft& draft, int par, int cap, std::size_t stateLimit);

struct StageMeasures {
  int par = -1;
  int ideas = 0;              // capped at kIdeaCap; -1 when not decided
  unsigned present = 0;       // the mechanics on the board
  unsigned needed = 0;        // those whose removal (all of a kind) changes the par
  bool wallPointsNeeded = true;  // with one wall point fewer the par changes (true without wall points)
  bool wallPointsExact = true;   // no more wall points than the solution builds, and one more does not shorten it
  int trapHoles = 0;          // holes that a move from a resting cell of the solution falls into
  std::vector<std::string> inert;  // pieces whose single removal leaves the par as it is
  int wallEdges = 0;
  double wallGroupMean = 0;   // solid inner edges per group of edges that touch
  double symmetry = 1;        // the best share of solid inner edges that a turn or mirror keeps
  int kinds = 0;              // mechanics present, counted
  int warpColours = 0;
  // How the stage is found rather than how long it is: a person's search effort, the optimal solution's
  // repeated moves, the distinct clears within one operation of par (capped at kNearParCap; -1 when not
  // decided), and the share of random runs that clear it.
  long effort = -1;
  Padding padding;
  int nearParClears = 0;
  double randomClearRate = 0;
};
inline constexpr int kNearParCap = 17;
inline constexpr int kIdeaCap = 4;
inline constexpr std::size_t kMeasureStateLimit = 400'000;

// The solver searches up to stateLimit states, the effort search as many positions (at most
// kEffortLimit); the idea search at most kMeasureStateLimit.
StageMeasures Measure(const StageDraft& draft, std::size_t stateLimit = kMeasureStateLimit);

// What a caller already knows of a draft, so that the gates do not search it again.
struct KnownMeasures {
  bool everyStageGates = false;  // it passes every gate asked of every stage
  int nearParClears = 0;         // above 0: its clears near par, counted
  int ideas = 0;                 // above 0: its optimal ideas, counted (CountIdeas, decided)
};

// Whether a draft of this par passes every gate of core/design/gates.h asked `where` (GateScope bits),
// cheap checks first and none after the first that fails: GatesOf(Measure(draft), freeKinds).All(where)
// at a fraction of the cost. `searched` (when given) grows by the states the searches held.
bool PassesGates(const StageDraft& draft, int par, bool freeKinds, std::size_t limit = kMeasureStateLimit,
                 unsigned where = 0, const KnownMeasures& known = {}, std::size_t* searched = nullptr);

// Wall layout alone, cheap enough to score every draft.
double WallGroupMean(const Board& board, int* edges = nullptr);
double WallSymmetry(const Board& board);

}  // namespace suispo
