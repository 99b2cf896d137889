// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Once the last wall point is spent only moves are left, so the walls are fixed and the fewest moves to
// the clear follow from a small search over cells and keys that stores nothing. Most such states lead
// to no clear at all, and the search that stores states need not keep them; the cells found to lead
// nowhere are remembered for each layout met lately, and not searched again.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/solver/dead_cells.h"
#include "core/solver/moves.h"

namespace suispo {

class LastWallSearch {
 public:
  // Past this many different sets of keys left the answer is left open (a stage with many keys).
  static constexpr std::size_t kMostKeySets = 16;
  static constexpr int kOpen = -2;
  static constexpr int kBeyond = -3;

  explicit LastWallSearch(const std::vector<int>& keyCells);

  // The fewest moves from `cell` to the clear with `walls` placed and `keys` left; -1 for none, kBeyond
  // for none within `most` moves (when `most` is 0 or more), kOpen when the search grew past its bounds.
  int Distance(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys, int most);

 private:
  // The cells met with one set of keys left, or known to lead nowhere with it.
  struct Met {
    std::uint64_t keys;
    std::uint64_t cells;
  };

  // The index in met_ of the cells met with `keys` left (-1 past kMostKeySets).
  int MetWith(std::uint64_t walls, std::uint64_t keys);

  std::array<int, kCellCount> keyBit_{};
  std::array<Met, kMostKeySets> met_{};
  // The cells of a search's level and of the next, for each set of keys met (emptied as a set is met).
  std::array<std::uint64_t, kMostKeySets> level_{};
  std::array<std::uint64_t, kMostKeySets> next_{};
  std::size_t metCount_ = 0;
  DeadCells dead_;
};

}  // namespace suispo
