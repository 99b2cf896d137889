// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// With one wall point left and a key or the door still needing a wall, that wall can only stand on a few
// edges, and the character builds it beside its own cell: a state is worth keeping only when its moves
// alone lead to a cell beside one of them.
#pragma once

#include <array>
#include <cstdint>

#include "core/solver/dead_cells.h"
#include "core/solver/moves.h"

namespace suispo {

class WallReach {
 public:
  explicit WallReach(const SolverMoves& moves);

  // Whether the character on `cell`, with `walls` placed and `keys` left, can get by moves alone to a
  // cell where a wall on one of `edges` may be built. The cells found unable are remembered per layout.
  bool Reaches(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys, std::uint64_t edges);

 private:
  // For each inner edge, the cells a wall on it may be built from.
  std::array<std::uint64_t, 64> builders_{};
  DeadCells dead_;
};

}  // namespace suispo
