// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Once the last wall point is spent only moves are left, so the walls are fixed and the fewest moves to
// the clear follow from a small search over cells and keys that stores nothing. Most such states lead
// to no clear at all, and the search that stores states need not keep them; the cells found to lead
// nowhere are remembered for each layout met lately.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/solver/moves.h"

namespace suispo {

class LastWallSearch {
 public:
  // Past this many cells and keys met the answer is left open (a stage with many keys).
  static constexpr std::size_t kMostNodes = 4096;
  static constexpr int kOpen = -2;
  // With this many keys or fewer the cells met are marked in a table over every (keys left, cell).
  static constexpr std::size_t kTableKeys = 8;
  // The layouts remembered: a table of 2^14 slots of 24 bytes (384 KiB), made when first needed; a slot
  // holds the last layout that wanted it.
  static constexpr int kRememberedBits = 14;

  explicit LastWallSearch(const std::vector<int>& keyCells);

  // The fewest moves from `cell` to the clear with `walls` placed and `keys` left; -1 for none, kOpen
  // when the search grew past kMostNodes. `hash` is the layout's, to find what is remembered of it.
  int Distance(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys, std::uint64_t hash);

 private:
  struct Dead {
    std::uint64_t walls = 0;
    std::uint64_t keys = 0;
    std::uint64_t cells = 0;  // a bit per cell known to lead to no clear; none in an empty slot
  };

  static std::uint64_t Pack(std::uint64_t keys, int cell) { return keys << 6 | static_cast<std::uint64_t>(cell); }

  // Whether (cell, keys) was met in this search already (the first `size` in `queue`); marks it met.
  bool Met(std::uint64_t node, const std::uint64_t* queue, std::size_t size) {
    if (table_) {
      std::uint32_t& mark = marks_[node];
      const bool met = mark == search_;
      mark = search_;
      return met;
    }
    for (std::size_t i = 0; i < size; ++i) {
      if (queue[i] == node) return true;
    }
    return false;
  }

  std::array<int, kCellCount> keyBit_{};
  std::size_t keyCount_;
  bool table_;
  std::vector<std::uint32_t> marks_;  // the search that last met each (keys left, cell)
  std::uint32_t search_ = 0;
  std::vector<std::uint64_t> queue_;  // room for the (keys left, cell) met, in the order met
  std::vector<Dead> dead_;
};

}  // namespace suispo
