// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The walls a layout must still build before it can clear: a key, or the door, that no slide comes to
// rest on until a wall stands across its way needs one of those walls. A layout that needs more walls
// than it has points left leads nowhere, and the search need not store it.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "core/rules/play_state.h"

namespace suispo {

class WallNeed {
 public:
  // From the slides of the board as it is at `start`: where each ends, and the edges each passes.
  WallNeed(const PlayState& start, const std::vector<int>& keyCells);

  // More than any stage's wall points: a place no wall can make a slide rest on.
  static constexpr int kNever = 1 << 20;

  // At least this many more walls are built before a clear, with `walls` placed (a bit per inner
  // edge) and `keys` still on the board (a bit per key).
  int Least(std::uint64_t walls, std::uint64_t keys) const {
    int least = 0;
    // The edges of the places counted: a place that one wall could serve with another is not counted.
    std::uint64_t taken = 0;
    for (std::uint64_t places = (keys | doorBit_) & restless_; places != 0; places &= places - 1) {
      const std::uint64_t edges = stoppers_[static_cast<std::size_t>(std::countr_zero(places))];
      if (edges == 0) return kNever;
      if ((edges & walls) != 0 || (edges & taken) != 0) continue;
      taken |= edges;
      ++least;
    }
    return least;
  }

  // The edges one more wall may take to meet every need (every edge when nothing needs a wall): with a
  // single point left, what needs a wall needs this one.
  std::uint64_t OneWallEdges(std::uint64_t walls, std::uint64_t keys) const {
    std::uint64_t edges = ~std::uint64_t{0};
    for (std::uint64_t places = (keys | doorBit_) & restless_; places != 0; places &= places - 1) {
      const std::uint64_t stoppers = stoppers_[static_cast<std::size_t>(std::countr_zero(places))];
      if ((stoppers & walls) == 0) edges &= stoppers;
    }
    return edges;
  }

 private:
  // A bit per key, and doorBit_ for the doors: the places no slide rests on with no wall built.
  std::uint64_t restless_ = 0;
  std::uint64_t doorBit_ = 0;
  // For each such place, the edges a wall may stand on to stop a slide there (none: it is out of reach).
  std::array<std::uint64_t, kCellCount + 1> stoppers_{};
};

}  // namespace suispo
