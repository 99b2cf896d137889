// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The moves-only search after the last wall, breadth first over (cell, keys left), a level
// at a time as a set of cells for each set of keys.
#include "core/solver/last_wall.h"

#include <bit>

namespace suispo {

LastWallSearch::LastWallSearch(const std::vector<int>& keyCells) {
  for (std::size_t k = 0; k < keyCells.size(); ++k) keyBit_[static_cast<std::size_t>(keyCells[k])] = static_cast<int>(k);
}

int LastWallSearch::MetWith(std::uint64_t walls, std::uint64_t keys) {
  for (std::size_t i = 0; i < metCount_; ++i) {
    if (met_[i].keys == keys) return static_cast<int>(i);
  }
  if (metCount_ == kMostKeySets) return -1;
  met_[metCount_] = {keys, dead_.Known(walls, keys)};
  level_[metCount_] = 0;
  next_[metCount_] = 0;
  return static_cast<int>(metCount_++);
}

int LastWallSearch::Distance(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys, int most) {
  dead_.Prepare();
  metCount_ = 0;
  MetWith(walls, keys);
  if ((met_[0].cells >> cell & 1) != 0) return -1;  // known to lead nowhere
  if (most == 0) return kBeyond;
  met_[0].cells |= std::uint64_t{1} << cell;
  // A level is a few bit operations per cell; only a key taken or the clear needs a closer look at the
  // four answers.
  std::array<std::uint64_t, kMostKeySets>& level = level_;
  std::array<std::uint64_t, kMostKeySets>& next = next_;
  level[0] = std::uint64_t{1} << cell;
  for (int depth = 0;;) {
    for (std::size_t i = 0; i < metCount_; ++i) {
      const std::uint64_t left = met_[i].keys;
      for (std::uint64_t cells = level[i]; cells != 0; cells &= cells - 1) {
        const MoveAnswers answers = moves.Moves(std::countr_zero(cells), walls, left);
        const std::uint64_t onward = answers.Onward();
        next[i] |= onward & MoveAnswers::kCells;
        if ((onward >> MoveAnswers::kTakesOrClears & 1) == 0) [[likely]] continue;
        for (int direction = kNorth; direction <= kWest; ++direction) {
          const MoveAnswer move = answers[direction];
          if (move.Landed() == Landing::kCleared) return depth + 1;
          if (move.Landed() != Landing::kKey) continue;
          const int with = MetWith(walls, left & ~(std::uint64_t{1} << keyBit_[static_cast<std::size_t>(move.Cell())]));
          if (with < 0) return kOpen;
          next[static_cast<std::size_t>(with)] |= std::uint64_t{1} << move.Cell();
        }
      }
    }
    // A cell met already, or known to lead nowhere, is not searched again.
    std::uint64_t any = 0;
    for (std::size_t i = 0; i < metCount_; ++i) {
      level[i] = next[i] & ~met_[i].cells;
      met_[i].cells |= level[i];
      next[i] = 0;
      any |= level[i];
    }
    if (any == 0) break;
    // The cells of the next level clear, if at all, in depth + 2 moves or more.
    if (++depth == most) return kBeyond;
  }
  // Every cell met leads nowhere either.
  for (std::size_t i = 0; i < metCount_; ++i) dead_.Note(walls, met_[i].keys, met_[i].cells);
  return -1;
}

}  // namespace suispo
