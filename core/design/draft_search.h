// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A draft's states as small nodes (walls built, keys left, the character's cell) and the operations from
// each, played through the rules layer: the ground of the searches that measure a stage.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/design/draft.h"
#include "core/rules/play_state.h"
#include "core/solver/solver.h"

namespace suispo {

// The draft started: the character on its start cell, every key on the board.
PlayState StartOf(const StageDraft& draft);

// A state: walls built (a bit per inner edge number), keys still on the board (a bit per key of the
// start), and the character's cell.
struct Node {
  std::uint64_t walls = 0;
  std::uint64_t rest = 0;  // keys << 6 | cell
  int Cell() const { return static_cast<int>(rest & 63); }
  int KeysLeft() const { return std::popcount(rest >> 6); }
  friend bool operator==(const Node&, const Node&) = default;
};
struct NodeHash {
  std::size_t operator()(const Node& n) const { return std::hash<std::uint64_t>()(n.walls * 0x9e3779b97f4a7c15ull ^ n.rest); }
};

class DraftSearch {
 public:
  explicit DraftSearch(const StageDraft& d);
  Node Start() const;

  // An operation from a node: the op, the node it leads to, whether it clears the stage.
  struct Next {
    SolverOp op;
    Node node;
    bool cleared;
  };
  // The operations from one node, held in place: the searches ask for millions of them.
  struct NextOps {
    std::array<Next, 8> ops;  // four walls and four moves at most
    int count = 0;
    const Next* begin() const { return ops.data(); }
    const Next* end() const { return ops.data() + count; }
  };
  // Every operation from a node that changes something and does not miss.
  NextOps Successors(const Node& n) const;
  // The node as the rules layer plays it.
  PlayState StateOf(const Node& n) const;
  // The node a played state stands for (keys taken read from the board).
  Node NodeOf(const PlayState& s, std::uint64_t walls) const;
  const std::vector<int>& KeyCells() const { return keyCells_; }

 private:
  const StageDraft& draft_;
  PlayState start_;  // StartOf(draft_), made once: every node is played from it
  std::vector<int> keyCells_;
};

}  // namespace suispo
