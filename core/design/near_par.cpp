// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The clears near par: every state within par operations, its distance to a clear, and the paths that
// keep within the budget, each read as its moves and its final walls.
#include "core/design/near_par.h"

#include <functional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/design/draft_search.h"

namespace suispo {

NearParClears ClearsNearPar(const StageDraft& draft, int par, int cap, std::size_t stateLimit) {
  NearParClears clears;
  if (par <= 0) return clears;
  const int budget = par + 1;
  const DraftSearch search(draft);
  // Every state of a clear within budget lies within par operations of the start (the last
  // operation clears), so the breadth-first search stops at that depth.
  std::vector<Node> nodes{search.Start()};
  std::unordered_map<Node, std::size_t, NodeHash> indexOf{{search.Start(), 0}};
  std::vector<std::vector<DraftSearch::Next>> next;
  std::vector<int> depth{0};
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const DraftSearch::NextOps ops = search.Successors(nodes[i]);
    next.emplace_back(ops.begin(), ops.end());
    if (depth[i] == par) continue;
    for (const auto& s : next[i]) {
      if (!s.cleared && indexOf.emplace(s.node, nodes.size()).second) {
        nodes.push_back(s.node);
        depth.push_back(depth[i] + 1);
      }
    }
    if (nodes.size() > stateLimit) {
      clears.count = -1;
      clears.states = nodes.size();
      return clears;
    }
  }
  // The operations to a clear from each state, back from those with a clearing operation.
  constexpr int kFar = 1 << 20;
  std::vector<int> toClear(nodes.size(), kFar);
  std::vector<std::vector<std::size_t>> from(nodes.size());
  std::vector<std::size_t> queue;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    for (const auto& s : next[i]) {
      if (s.cleared && toClear[i] != 1) {
        toClear[i] = 1;
        queue.push_back(i);
      }
      const auto at = indexOf.find(s.node);
      if (!s.cleared && at != indexOf.end()) from[at->second].push_back(i);
    }
  }
  for (std::size_t q = 0; q < queue.size(); ++q) {
    for (std::size_t p : from[queue[q]]) {
      if (toClear[p] == kFar) {
        toClear[p] = toClear[queue[q]] + 1;
        queue.push_back(p);
      }
    }
  }
  std::set<std::pair<std::string, std::uint64_t>> found;
  std::string moves;
  std::vector<SolverOp> path;
  long paths = 0;
  std::function<void(std::size_t, int)> walk = [&](std::size_t i, int used) {
    for (const auto& s : next[i]) {
      if (static_cast<int>(found.size()) >= cap || paths > 50000) return;
      if (!s.op.wall) moves.push_back(static_cast<char>('0' + s.op.direction));
      path.push_back(s.op);
      if (s.cleared) {
        ++paths;
        if (found.insert({moves, s.node.walls}).second && clears.first.size() < kNearParExamples) {
          clears.first.push_back(path);
        }
      } else if (const auto at = indexOf.find(s.node); at != indexOf.end() && used + 1 + toClear[at->second] <= budget) {
        walk(at->second, used + 1);
      }
      if (!s.op.wall) moves.pop_back();
      path.pop_back();
    }
  };
  walk(0, 0);
  clears.count = static_cast<int>(found.size());
  clears.states = nodes.size();
  return clears;
}

}  // namespace suispo
