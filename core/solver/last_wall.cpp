// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The moves-only search after the last wall, breadth first over (cell, keys left) level by level.
#include "core/solver/last_wall.h"

#include <algorithm>

namespace suispo {

LastWallSearch::LastWallSearch(const std::vector<int>& keyCells) {
  for (std::size_t k = 0; k < keyCells.size(); ++k) keyBit_[static_cast<std::size_t>(keyCells[k])] = static_cast<int>(k);
}

LastWallSearch::Met* LastWallSearch::MetWith(std::uint64_t walls, std::uint64_t keys) {
  for (std::size_t i = 0; i < metCount_; ++i) {
    if (met_[i].keys == keys) return &met_[i];
  }
  if (metCount_ == kMostKeySets) return nullptr;
  const Dead& known = Remembered(walls, keys);
  met_[metCount_] = {keys, 0, known.walls == walls && known.keys == keys ? known.cells : 0};
  return &met_[metCount_++];
}

int LastWallSearch::Distance(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys, int most) {
  if (dead_.empty() || (deadBits_ < kMostRememberedBits && deadWritten_ > dead_.size() * 2)) {
    deadBits_ = dead_.empty() ? kFirstRememberedBits : std::min(deadBits_ + 2, kMostRememberedBits);
    dead_.assign(std::size_t{1} << deadBits_, Dead{});
    deadWritten_ = 0;
  }
  metCount_ = 0;
  Met* here = MetWith(walls, keys);
  if ((here->dead >> cell & 1) != 0) return -1;
  here->cells = std::uint64_t{1} << cell;
  if (queue_.empty()) queue_.resize(kMostNodes);
  std::uint64_t* const queue = queue_.data();
  std::size_t size = 0;
  queue[size++] = keys << 6 | static_cast<std::uint64_t>(cell);
  std::size_t levelEnd = 1;
  int depth = 0;
  if (most == 0) return kBeyond;
  for (std::size_t head = 0; head < size; ++head) {
    if (head == levelEnd) {
      // The cells of this level clear, if at all, in depth + 1 moves.
      if (++depth == most) return kBeyond;
      levelEnd = size;
    }
    const std::uint64_t left = queue[head] >> 6;
    const MoveAnswers answers = moves.Moves(static_cast<int>(queue[head] & 63), walls, left);
    Met* const same = here->keys == left ? here : MetWith(walls, left);
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const MoveAnswer move = answers[direction];
      const int to = move.Cell();
      Met* with = same;
      std::uint64_t keysThere = left;
      const Landing landing = move.Landed();
      if (landing == Landing::kCleared) return depth + 1;
      if (landing == Landing::kMissed) continue;
      if (landing == Landing::kKey) {
        keysThere &= ~(std::uint64_t{1} << keyBit_[static_cast<std::size_t>(to)]);
        with = MetWith(walls, keysThere);
        if (with == nullptr) return kOpen;
      }
      const std::uint64_t bit = std::uint64_t{1} << to;
      // A cell met already, or known to lead nowhere, is not searched again.
      if (((with->cells | with->dead) & bit) != 0) continue;
      with->cells |= bit;
      if (size == kMostNodes) return kOpen;
      queue[size++] = keysThere << 6 | static_cast<std::uint64_t>(to);
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
