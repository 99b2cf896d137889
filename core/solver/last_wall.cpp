// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The moves-only search after the last wall, breadth first over (cell, keys left) level by level.
#include "core/solver/last_wall.h"

#include <algorithm>

namespace suispo {

LastWallSearch::LastWallSearch(const std::vector<int>& keyCells)
    : keyCount_(keyCells.size()), table_(keyCells.size() <= kTableKeys), queue_(kMostNodes) {
  for (std::size_t k = 0; k < keyCells.size(); ++k) keyBit_[static_cast<std::size_t>(keyCells[k])] = static_cast<int>(k);
}

int LastWallSearch::Distance(SolverMoves& moves, int cell, std::uint64_t walls, std::uint64_t keys,
                             std::uint64_t hash) {
  Dead* known = nullptr;
  if (!dead_.empty()) {
    known = &dead_[hash >> (64 - kRememberedBits)];
    if (known->walls == walls && known->keys == keys && (known->cells >> cell & 1) != 0) return -1;
  }
  if (table_ && marks_.empty()) marks_.assign(std::size_t{64} << keyCount_, 0);
  if (++search_ == 0) {  // the marks have come round: start them again
    std::fill(marks_.begin(), marks_.end(), 0);
    search_ = 1;
  }
  std::uint64_t* const queue = queue_.data();
  std::size_t size = 0;
  const std::uint64_t first = Pack(keys, cell);
  Met(first, queue, size);
  queue[size++] = first;
  std::uint64_t sameKeys = std::uint64_t{1} << cell;  // the cells met with the first's keys
  std::size_t levelEnd = 1;
  int depth = 0;
  for (std::size_t head = 0; head < size; ++head) {
    if (head == levelEnd) {
      ++depth;
      levelEnd = size;
    }
    const std::uint64_t left = queue[head] >> 6;
    const MoveAnswers answers = moves.Moves(static_cast<int>(queue[head] & 63), walls, left);
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const MoveAnswer move = answers[direction];
      std::uint64_t node = Pack(left, move.Cell());
      switch (move.Landed()) {
        case Landing::kCleared: return depth + 1;
        case Landing::kMissed: continue;
        case Landing::kKey: node &= ~(std::uint64_t{1} << (keyBit_[static_cast<std::size_t>(move.Cell())] + 6)); break;
        default: break;
      }
      if (Met(node, queue, size)) continue;
      if (size == kMostNodes) return kOpen;
      queue[size++] = node;
      if (node >> 6 == keys) sameKeys |= std::uint64_t{1} << (node & 63);
    }
  }
  // Every cell met with the same keys leads nowhere either.
  if (known == nullptr) {
    dead_.resize(std::size_t{1} << kRememberedBits);
    known = &dead_[hash >> (64 - kRememberedBits)];
  }
  if (known->walls != walls || known->keys != keys) *known = {walls, keys, 0};
  known->cells |= sameKeys;
  return -1;
}

}  // namespace suispo
