// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The fewest operations that clear a stage from a state in play: a breadth-first search over the states
// that the rules layer reaches (position, keys still on the board, walls built so far).
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/rules/play_state.h"

namespace suispo {

// One operation of a solution: a move, or a wall built on that side of the character's cell.
struct SolverOp {
  bool wall = false;
  int direction = kNorth;
  friend bool operator==(const SolverOp&, const SolverOp&) = default;
};

enum class SolveOutcome { kSolved, kNoSolution, kStopped };

// Enough for every built-in, hand-made and generated stage we know of by a wide margin.
inline constexpr std::size_t kDefaultStateLimit = 2'000'000;
// What one stored state costs at most: its word (layout, parent, cell, operation), and when it is the
// first of its layout (walls placed, keys left), the layout and its share of the layout table at the
// lowest load. A search holds at most stateLimit * kBytesPerState bytes, 128 MB at the default limit,
// and besides the remembered move answers (a 12 MiB table at the most, 18 MiB while it doubles) and
// the cells found to lead nowhere after the last wall and with one point left (1.5 MiB each at the
// most). Most layouts hold several states, so far less is used in practice (the fifth built-in stage,
// under 100 thousand states: 6 MiB).
inline constexpr std::size_t kBytesPerState = 64;

struct SolveOptions {
  std::size_t stateLimit = kDefaultStateLimit;  // a larger limit than 134,217,727 counts as that
  // Goes on past the first clear until every reachable state is seen (the stage check wants to know
  // whether the endless-loop bound can be met in play); the solution is the same.
  bool exploreAll = false;
  // Looks only for clears of at most this many operations (0: no bound). A search that reaches the
  // bound without a clear ends as kNoSolution without being complete: no clear this short exists.
  int maxOps = 0;
  // Set from another thread to stop the search early (it ends as kStopped); read every few thousand
  // states. The search shares nothing else, so several may run at once on different threads.
  const std::atomic<bool>* cancel = nullptr;
};

struct SolveResult {
  SolveOutcome outcome = SolveOutcome::kNoSolution;
  std::vector<SolverOp> ops;  // shortest; among equals the first in the order +N +E +S +W N E S W
  int moves = 0;
  int walls = 0;
  std::size_t states = 0;  // distinct states stored (fewer than those searched unless exploreAll)
  std::string reason;      // why there is no solution, or why the search stopped
  bool loopStopReached = false;  // a reachable slide was cut by the endless-loop bound
  // No clear at all is decided: every reachable state was seen, or shown to lead to none (a state with
  // no wall point left is kept only when its moves still clear the stage, one with too few points left
  // for the walls its keys and door still need is never kept, and one that cannot get to where its last
  // wall must stand is not searched on).
  bool complete = false;
};

// Solves from `start` (a started stage, perhaps after some operations). Moves that end in a hole and
// operations that change nothing are never part of a solution. A stage without a door, or whose door
// or keys stay out of reach even with a wall free to stand on any open edge, is answered at once.
SolveResult Solve(const PlayState& start, const SolveOptions& options = {});

// A hint: the first operation of a shortest clear from `at`, a state anywhere in a play; none when no
// clear is found (none exists, the search stopped at its limit or was cancelled, or `at` needs no
// operation). Following the hints one by one clears the stage in as few operations as Solve's answer.
// On a worker thread, search a copy of the state (PlayState is plain data): the game's changes as
// the player goes on.
std::optional<SolverOp> NextStep(const PlayState& at, const SolveOptions& options = {});

// The par from each cell as the start, by CellIndex: the fewest operations that clear the stage with
// the character started there (Solve's answer), -1 where none or where the cell holds anything but
// floor. The states a play reaches do not depend on where it began (a move into a hole is never
// stored), so one search from every floor cell at once finds them all, and one breadth-first search
// back from the clears gives each its distance. None when the first search stops at `stateLimit`.
std::optional<std::array<int, kCellCount>> ClearDistances(const PlayState& start,
                                                          std::size_t stateLimit = kDefaultStateLimit);

}  // namespace suispo
