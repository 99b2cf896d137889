// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The moves-only search after the last wall, breadth first over (cell, keys left) level by level.
#include "core/solver/last_wall.h"

#include <algorithm>

namespace suispo {

LastWallSearch::LastWallSearch(const std::vector<int>& keyCells) {
  for (std::size_t k = 0; k < keyCells.size(); ++k) keyBit_[static_cast<std::size_t>(keyCells[k])] = static_cast<int>(k);
}

int LastWallSearch::MetWith(std::uint64_t walls, std::uint64_t keys) {
  for (std::size_t i = 0; i < metCount_; ++i) {
    if (met_[i].keys == keys) return static_cast<int>(i);
  }
  if (metCount_ == kMostKeySets) return -1;
  const Dead& known = Remembered(walls, keys);
  met_[metCount_] = {keys, known.walls == walls && known.keys == keys ? known.cells : 0};
  return static_cast<int>(metCount_++);
}

int LastWallSearch::Distance(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys, int most) {
  if (dead_.empty() || (deadBits_ < kMostRememberedBits && deadWritten_ > dead_.size() * 2)) {
    deadBits_ = dead_.empty() ? kFirstRememberedBits : std::min(deadBits_ + 2, kMostRememberedBits);
    dead_.assign(std::size_t{1} << deadBits_, Dead{});
    deadWritten_ = 0;
  }
  metCount_ = 0;
  MetWith(walls, keys);
  if ((met_[0].cells >> cell & 1) != 0) return -1;  // known to lead nowhere
  if (most == 0) return kBeyond;
  met_[0].cells |= std::uint64_t{1} << cell;
  if (queue_.empty()) queue_.resize(kMostKeySets * kCellCount);
  // The queue holds each cell met with the index of its keys in met_.
  std::uint16_t* const queue = queue_.data();
  std::size_t size = 0;
  queue[size++] = static_cast<std::uint16_t>(cell);
  std::size_t levelEnd = 1;
  int depth = 0;
  for (std::size_t head = 0; head < size; ++head) {
    if (head == levelEnd) {
      // The cells of this level clear, if at all, in depth + 1 moves.
      if (++depth == most) return kBeyond;
      levelEnd = size;
    }
    const int index = queue[head] >> 6;
    const std::uint64_t left = met_[static_cast<std::size_t>(index)].keys;
    std::uint64_t answers = moves.Moves(queue[head] & 63, walls, left).bits;
    for (int direction = kNorth; direction <= kWest; ++direction, answers >>= 10) {
      const MoveAnswer move{static_cast<std::uint32_t>(answers & 1023)};
      const int to = move.Cell();
      int with = index;
      const Landing landing = move.Landed();
      if (landing == Landing::kCleared) return depth + 1;
      if (landing == Landing::kMissed) continue;
      if (landing == Landing::kKey) {
        with = MetWith(walls, left & ~(std::uint64_t{1} << keyBit_[static_cast<std::size_t>(to)]));
        if (with < 0) return kOpen;
      }
      // A cell met already, or known to lead nowhere, is not searched again.
      std::uint64_t& cells = met_[static_cast<std::size_t>(with)].cells;
      const std::uint64_t bit = std::uint64_t{1} << to;
      if ((cells & bit) != 0) continue;
      cells |= bit;
      queue[size++] = static_cast<std::uint16_t>(with << 6 | to);
    }
  }
  // Every cell met leads nowhere either.
  for (std::size_t i = 0; i < metCount_; ++i) {
    Dead& known = Remembered(walls, met_[i].keys);
    if (known.walls != walls || known.keys != met_[i].keys) {
      known = {walls, met_[i].keys, 0};
      ++deadWritten_;
    }
    known.cells |= met_[i].cells;
  }
  return -1;
}

}  // namespace suispo
