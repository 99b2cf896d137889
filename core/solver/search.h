// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The breadth-first search behind Solve and ClearDistances: each operation's answer comes from the rules
// layer playing the state (asked once and remembered), so the search knows no rule of its own. A state
// whose last wall point is spent is stored only when its moves still clear the stage, and a wall that
// leaves fewer points than the layout still needs walls (wall_need.h) is not built, nor is a state
// searched on that cannot get to where its last wall must stand (wall_reach.h): leaving out only states
// that lie on no shortest clear keeps the breadth-first order, and so the answer.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <string>
#include <vector>

#include "core/solver/last_wall.h"
#include "core/solver/moves.h"
#include "core/solver/solver.h"
#include "core/solver/states.h"
#include "core/solver/wall_need.h"
#include "core/solver/wall_reach.h"

namespace suispo {

// Walls before moves: among equally short solutions the one that builds first wins.
inline SolverOp OpOf(int i) { return {i < 4, i & 3}; }

// Every operation between stored states, kept when asked for (a search for distances to the clear).
struct SolverArcs {
  struct Arc {
    std::uint32_t from;    // the state left
    std::uint32_t layout;  // and the state reached: its layout and cell
    int cell;
  };
  std::vector<Arc> arcs;
  std::vector<std::uint32_t> clearing;  // the states with a move that clears the stage
};

class SolverSearch {
 public:
  // Starts from `start`'s position, or with `startCells` (a bit per cell index) from each of those.
  SolverSearch(const PlayState& start, const SolveOptions& options, std::uint64_t startCells = 0,
               SolverArcs* arcs = nullptr)
      : startCells_(startCells != 0 ? startCells : std::uint64_t{1} << CellIndex(start.playerX, start.playerY)),
        arcs_(arcs),
        start_(start),
        options_(options),
        limit_(std::min(options.stateLimit, SolverStates::kMostStates)),
        store_(limit_),
        keyCells_(KeyCells(start)),
        moves_(start, keyCells_),
        lastWall_(keyCells_),
        wallPoints_(static_cast<std::uint64_t>(std::max(start.mp, 0))) {
    for (std::size_t k = 0; k < keyCells_.size(); ++k) keyBit_[static_cast<std::size_t>(keyCells_[k])] = static_cast<int>(k);
  }

  SolveResult Run() {
    SolveResult result;
    const std::uint64_t allKeys = (std::uint64_t{1} << keyCells_.size()) - 1;
    const std::uint32_t first = store_.AddLayout(0, allKeys, SolverStates::Hash(0, allKeys));
    for (std::uint64_t cells = startCells_; cells != 0; cells &= cells - 1) {
      store_.Add(first, std::countr_zero(cells), SolverStates::kNone, StateRecord::kStartOp);
    }
    // The states before levelEnd are `depth` operations from the start or fewer (breadth first).
    std::size_t levelEnd = store_.size();
    int depth = 0;
    for (std::size_t head = 0; head < store_.size(); ++head) {
      if (head == levelEnd) {
        ++depth;
        levelEnd = store_.size();
        if (!need_ && !options_.exploreAll && levelEnd >= kNeedAfter) {
          need_.emplace(start_, keyCells_);
          reach_.emplace(moves_);
          if (wallPoints_ > 0) oneLeft_ = wallPoints_ - 1;
        }
      }
      if (options_.maxOps > 0 && depth >= options_.maxOps) {
        if (goalOp_ >= 0) return Finish(result);
        result.outcome = SolveOutcome::kNoSolution;
        result.reason = "no clear in " + std::to_string(options_.maxOps) + " operations or fewer";
        result.states = store_.size();
        return result;
      }
      if (head + kAhead < store_.size()) store_.PrefetchLayout(store_.layoutOf(head + kAhead));
      if (head % kCancelCheck == 0 && Cancelled()) [[unlikely]] {
        Stop(result, "the search was cancelled");
        return result;
      }
      const From from{store_.layoutOf(head), static_cast<std::uint32_t>(head), store_.cell(head)};
      // A state that can never build the wall it needs is stored, but leads nowhere.
      if (Here(from).wallCount == oneLeft_ && Stranded(Here(from).walls, Here(from).keys, from.cell)) continue;
      // The layouts the walls lead to are looked up while the moves are asked, and stored after, in
      // the order of the operations (walls first).
      std::array<WallChild, 4> built;
      const int builtCount = PlanWalls(from, built);
      const MoveAnswers moved = moves_.Moves(from.cell, Here(from).walls, Here(from).keys);
      if (!StoreWalls(from, built, builtCount, depth, result) || !StoreMoves(from, moved, result)) return result;
      if (goalOp_ >= 0 && !options_.exploreAll) return Finish(result);
    }
    result.complete = !beyondBound_;
    if (goalOp_ >= 0) return Finish(result);
    result.outcome = SolveOutcome::kNoSolution;
    if (beyondBound_) {
      result.reason = "no clear in " + std::to_string(options_.maxOps) + " operations or fewer";
      result.states = store_.size();
      return result;
    }
    result.reason = "no sequence of operations clears it";
    result.states = store_.size();
    return result;
  }

  // The states stored, in the order found.
  const SolverStates& states() const { return store_; }

 private:
  // How many states ahead the queue's layouts are asked of the memory.
  static constexpr std::size_t kAhead = 8;
  struct WallChild {
    std::uint64_t walls;
    std::uint64_t hash;
    std::uint32_t layout;
    int direction;
  };

  // The state being expanded: its layout, its own index (the parent of what it reaches) and its cell.
  struct From {
    std::uint32_t layout;
    std::uint32_t parent;
    int cell;
  };
  // A small search is over before leaving out what leads nowhere pays: the states after the last wall
  // are asked about only once this many are stored.
  static constexpr std::size_t kAskLastAfter = 4096;
  // Learning what the walls must do traces every slide of the board, which costs more than a small
  // search saves; one search that sees everything never leaves a state out.
  static constexpr std::size_t kNeedAfter = 512;
  // How many states are expanded between two looks at the cancel flag.
  static constexpr std::size_t kCancelCheck = 4096;

  const Layout& Here(const From& from) const { return store_.layout(from.layout); }

  // Whether a state with one wall point left can never build the wall its keys or door need: its moves
  // lead to no cell beside an edge that wall may take.
  [[gnu::noinline]] bool Stranded(std::uint64_t walls, std::uint64_t keys, int cell) {
    const std::uint64_t edges = need_->OneWallEdges(walls, keys);
    return edges != ~std::uint64_t{0} && !reach_->Reaches(moves_, cell, walls, keys, edges);
  }
  bool Cancelled() const { return options_.cancel != nullptr && options_.cancel->load(std::memory_order_relaxed); }

  // Whether the states a wall leads to from this layout, with the last point spent, are asked about
  // before they are stored.
  bool AskLast(const Layout& here) const {
    return !options_.exploreAll && store_.size() >= kAskLastAfter && here.wallCount + 1 == wallPoints_;
  }

  // A wall takes a point and a free edge beside the character: the layouts it would lead to, asked of
  // the memory ahead of use.
  [[gnu::always_inline]] int PlanWalls(const From& from, std::array<WallChild, 4>& built) {
    const Layout& here = Here(from);
    if (here.wallCount >= wallPoints_) return 0;
    const bool last = AskLast(here);
    // A layout that needs more walls than the points left after this one leads nowhere. A wall more
    // never adds to the need, so the walls are looked at one by one only when this layout's is too high.
    const auto left = static_cast<int>(wallPoints_ - here.wallCount - 1);
    const bool needed = need_ && need_->Least(here.walls, here.keys) > left;
    int count = 0;
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const int edge = moves_.WallEdge(from.cell, direction);
      if (edge < 0 || (here.walls >> edge & 1) != 0) continue;
      const std::uint64_t more = here.walls | std::uint64_t{1} << edge;
      if (needed && need_->Least(more, here.keys) > left) continue;
      // The last wall's layouts are hashed only when kept (StoreWalls).
      std::uint64_t hash = 0;
      if (!last) {
        hash = SolverStates::Hash(more, here.keys);
        store_.PrefetchSlot(hash);
      }
      built[static_cast<std::size_t>(count++)] = {more, hash, 0, direction};
    }
    return count;
  }

  // Stores the states the planned walls reach; false when the search stopped at its limit. A wall that
  // spends the last point leaves only moves, so its state is stored only when they still clear the
  // stage (within maxOps, when the search is bounded); one search that sees everything stores them all.
  bool StoreWalls(const From& from, std::array<WallChild, 4>& built, int count, int depth, SolveResult& result) {
    const std::uint64_t keys = Here(from).keys;
    const bool last = AskLast(Here(from));
    for (int i = 0; i < count && !last; ++i) {
      WallChild& child = built[static_cast<std::size_t>(i)];
      child.layout = store_.Find(child.walls, keys, child.hash);
      if (child.layout != SolverStates::kNone) store_.PrefetchLayout(child.layout);
    }
    for (int i = 0; i < count; ++i) {
      WallChild& child = built[static_cast<std::size_t>(i)];
      if (last) {
        // Asked first: most of these lead nowhere, and then the store need not be looked at.
        const int most = options_.maxOps > 0 ? options_.maxOps - depth - 1 : -1;
        const int moves = lastWall_.Distance(moves_, from.cell, child.walls, keys, most);
        if (moves == -1) continue;
        if (moves == LastWallSearch::kBeyond) {
          beyondBound_ = true;
          continue;
        }
        child.hash = SolverStates::Hash(child.walls, keys);
        child.layout = store_.Find(child.walls, keys, child.hash);
      }
      // Each wall leads to a layout of its own, so none of these is stored by another.
      if (child.layout != SolverStates::kNone && store_.Reached(child.layout, from.cell)) {
        Arc(from, child.layout, from.cell);
        continue;
      }
      if (!Store(child.layout, child.walls, keys, child.hash, from.cell, from.parent, child.direction, result)) {
        return false;
      }
      Arc(from, store_.layoutOf(store_.size() - 1), from.cell);
    }
    return true;
  }

  // Stores the states the four moves reach and notes the first clear; false when the search stopped.
  // A move into a hole is never part of a solution, and one that changes nothing is stored already.
  bool StoreMoves(const From& from, const MoveAnswers& moved, SolveResult& result) {
    const std::uint64_t walls = Here(from).walls;
    const std::uint64_t keys = Here(from).keys;
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const MoveAnswer move = moved[direction];
      const int op = 4 + direction;
      const Landing landing = move.Landed();
      if (landing == Landing::kNone || landing == Landing::kWarp) {
        result.loopStopReached = result.loopStopReached || move.LoopStopped();
        Arc(from, from.layout, move.Cell());
        if (store_.Reached(from.layout, move.Cell())) continue;
        if (!Store(from.layout, walls, keys, 0, move.Cell(), from.parent, op, result)) return false;
      } else if (landing == Landing::kKey) {
        const std::uint64_t left = keys & ~(std::uint64_t{1} << keyBit_[static_cast<std::size_t>(move.Cell())]);
        const std::uint64_t hash = SolverStates::Hash(walls, left);
        const std::uint32_t taken = store_.Find(walls, left, hash);
        if (taken != SolverStates::kNone && store_.Reached(taken, move.Cell())) {
          Arc(from, taken, move.Cell());
          continue;
        }
        if (!Store(taken, walls, left, hash, move.Cell(), from.parent, op, result)) return false;
        Arc(from, store_.layoutOf(store_.size() - 1), move.Cell());
      } else if (landing == Landing::kCleared) {
        if (arcs_ != nullptr) arcs_->clearing.push_back(from.parent);
        if (goalOp_ >= 0) continue;
        goalParent_ = from.parent;
        goalOp_ = op;
        if (!options_.exploreAll) return true;
      }
    }
    return true;
  }

  static std::vector<int> KeyCells(const PlayState& start) {
    std::vector<int> cells;
    for (int i = 0; i < kCellCount; ++i) {
      if (start.board.cells[static_cast<std::size_t>(i)] == kKey) cells.push_back(i);
    }
    return cells;
  }

  // Stores a state not seen before (in a layout not stored yet when `layout` is kNone), or stops the
  // search at its limit and says false.
  bool Store(std::uint32_t layout, std::uint64_t walls, std::uint64_t keys, std::uint64_t hash, int cell,
             std::uint32_t parent, int op, SolveResult& result) {
    if (store_.size() >= limit_) [[unlikely]] {
      Stop(result, "the search stopped at its limit of " + std::to_string(limit_) + " states");
      return false;
    }
    if (layout == SolverStates::kNone) layout = store_.AddLayout(walls, keys, hash);
    store_.Add(layout, cell, parent, op);
    return true;
  }

  [[gnu::noinline]] void Stop(SolveResult& result, std::string reason) {
    result.outcome = SolveOutcome::kStopped;
    result.reason = std::move(reason);
    if (goalOp_ >= 0) Finish(result);
    result.states = store_.size();
  }

  SolveResult& Finish(SolveResult& result) {
    if (result.outcome != SolveOutcome::kStopped) result.outcome = SolveOutcome::kSolved;
    result.ops.push_back(OpOf(goalOp_));
    for (std::size_t i = goalParent_; store_.parent(i) != SolverStates::kNone; i = store_.parent(i)) {
      result.ops.push_back(OpOf(store_.op(i)));
    }
    std::reverse(result.ops.begin(), result.ops.end());
    for (const SolverOp& o : result.ops) (o.wall ? result.walls : result.moves)++;
    result.states = store_.size();
    return result;
  }

  // Small enough to vanish from a search that keeps no arcs.
  void Arc(const From& from, std::uint32_t layout, int cell) {
    if (arcs_ != nullptr) [[unlikely]] KeepArc(from.parent, layout, cell);
  }
  [[gnu::noinline]] void KeepArc(std::uint32_t from, std::uint32_t layout, int cell) {
    arcs_->arcs.push_back({from, layout, cell});
  }

  std::uint64_t startCells_;
  SolverArcs* arcs_;
  const PlayState& start_;
  const SolveOptions& options_;
  std::size_t limit_;
  SolverStates store_;
  std::vector<int> keyCells_;
  std::array<int, kCellCount> keyBit_{};
  SolverMoves moves_;
  LastWallSearch lastWall_;
  std::optional<WallNeed> need_;  // made once the search is large enough (kNeedAfter)
  std::optional<WallReach> reach_;  // made with need_
  // The walls placed when one point is left, once need_ is made (never until then).
  std::uint64_t oneLeft_ = ~std::uint64_t{0};
  std::uint64_t wallPoints_;
  std::size_t goalParent_ = 0;
  int goalOp_ = -1;
  bool beyondBound_ = false;  // a state was left out only because its clear lies past maxOps
};


}  // namespace suispo
