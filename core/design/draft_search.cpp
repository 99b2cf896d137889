// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A draft's states and the operations from each, played through the rules layer.
#include "core/design/draft_search.h"

namespace suispo {

PlayState StartOf(const StageDraft& d) {
  PlayState s;
  s.board = d.board;
  s.playerX = d.start / kBoardSize;
  s.playerY = d.start % kBoardSize;
  s.mp = d.mp;
  s.keysLeft = KeysOn(d.board);
  return s;
}

DraftSearch::DraftSearch(const StageDraft& d) : draft_(d), start_(StartOf(d)) {
  for (int i = 0; i < kCellCount; ++i) {
    if (d.board.cells[static_cast<std::size_t>(i)] == kKey) keyCells_.push_back(i);
  }
}

Node DraftSearch::Start() const {
  return {0, ((std::uint64_t{1} << keyCells_.size()) - 1) << 6 | static_cast<std::uint64_t>(draft_.start)};
}

Node DraftSearch::NodeOf(const PlayState& s, std::uint64_t walls) const {
  std::uint64_t keys = 0;
  for (std::size_t k = 0; k < keyCells_.size(); ++k) {
    if (s.board.cells[static_cast<std::size_t>(keyCells_[k])] == kKey) keys |= std::uint64_t{1} << k;
  }
  return {walls, keys << 6 | static_cast<std::uint64_t>(CellIndex(s.playerX, s.playerY))};
}

DraftSearch::NextOps DraftSearch::Successors(const Node& n) const {
  const PlayState s = StateOf(n);
  NextOps out;
  if (std::popcount(n.walls) < draft_.mp) {
    for (int d = kNorth; d <= kWest; ++d) {
      if (!WallFits(s.board, s.Position(), d)) continue;
      const int e = InnerEdgeNumber(*EdgeBeside(s.Position(), d));
      out.ops[static_cast<std::size_t>(out.count++)] = {{true, d}, {n.walls | std::uint64_t{1} << e, n.rest}, false};
    }
  }
  for (int d = kNorth; d <= kWest; ++d) {
    PlayState t = s;
    const MoveResult r = rules::Slide(t, d);
    if (r.landing == Landing::kMissed) continue;
    std::uint64_t keys = n.rest >> 6;
    if (r.landing == Landing::kKey) {
      const int at = CellIndex(t.playerX, t.playerY);
      for (std::size_t k = 0; k < keyCells_.size(); ++k) {
        if (keyCells_[k] == at) keys &= ~(std::uint64_t{1} << k);
      }
    }
    const Node to{n.walls, keys << 6 | static_cast<std::uint64_t>(CellIndex(t.playerX, t.playerY))};
    if (to == n) continue;
    out.ops[static_cast<std::size_t>(out.count++)] = {{false, d}, to, r.landing == Landing::kCleared};
  }
  return out;
}

PlayState DraftSearch::StateOf(const Node& n) const {
  PlayState s = start_;
  const std::uint64_t keys = n.rest >> 6;
  for (std::size_t k = 0; k < keyCells_.size(); ++k) {
    if ((keys >> k & 1) == 0) {
      s.board.cells[static_cast<std::size_t>(keyCells_[k])] = kFloor;
      --s.keysLeft;
    }
  }
  for (std::uint64_t walls = n.walls; walls != 0; walls &= walls - 1) {
    EdgeKind(s.board, InnerEdge(std::countr_zero(walls))) = kSolidWall;
  }
  s.mp -= std::popcount(n.walls);
  const int cell = n.Cell();
  s.playerX = cell / kBoardSize;
  s.playerY = cell % kBoardSize;
  return s;
}

}  // namespace suispo
