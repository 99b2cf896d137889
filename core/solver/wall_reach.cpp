// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The cells a wall may be built from, and the moves-only search towards them, a level at a time.
#include "core/solver/wall_reach.h"

#include <bit>

namespace suispo {

WallReach::WallReach(const SolverMoves& moves) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const int edge = moves.WallEdge(cell, direction);
      if (edge >= 0) builders_[static_cast<std::size_t>(edge)] |= std::uint64_t{1} << cell;
    }
  }
}

bool WallReach::Reaches(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys, std::uint64_t edges) {
  std::uint64_t goal = 0;
  for (std::uint64_t free = edges & ~walls; free != 0; free &= free - 1) {
    goal |= builders_[static_cast<std::size_t>(std::countr_zero(free))];
  }
  const std::uint64_t start = std::uint64_t{1} << cell;
  if ((goal & start) != 0) return true;
  dead_.Prepare();
  if ((dead_.Known(walls, keys) & start) != 0) return false;
  // The cells a move rests on do not depend on the keys left (a key neither stops nor turns a slide),
  // and nothing clears while a key or the door still needs a wall; what the wall must do stays the
  // same as other keys are taken, since the keys that need it cannot be.
  std::uint64_t met = start;
  for (std::uint64_t level = start; level != 0;) {
    std::uint64_t next = 0;
    for (; level != 0; level &= level - 1) {
      const MoveAnswers answers = moves.Moves(std::countr_zero(level), walls, keys);
      const std::uint64_t onward = answers.Onward();
      next |= onward;
      if ((onward >> MoveAnswers::kTakesOrClears & 1) == 0) [[likely]] continue;
      for (int direction = kNorth; direction <= kWest; ++direction) {
        if (answers[direction].Landed() == Landing::kKey) next |= std::uint64_t{1} << answers[direction].Cell();
      }
    }
    next &= MoveAnswers::kCells & ~met;
    if ((next & goal) != 0) return true;
    met |= next;
    level = next;
  }
  dead_.Note(walls, keys, met);
  return false;
}

}  // namespace suispo
