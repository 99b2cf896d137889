// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The effort measure: a greedy best-first search over a draft's states.
#include "core/design/effort.h"

#include <algorithm>
#include <cstdlib>
#include <queue>
#include <tuple>
#include <unordered_set>

#include "core/design/draft_search.h"

namespace suispo {

namespace {

// Steps over the grid from the cell to the nearest key left, or to the door when none is left.
int DistanceToGoal(const DraftSearch& search, int door, const Node& n) {
  const int x = n.Cell() / kBoardSize, y = n.Cell() % kBoardSize;
  auto steps = [&](int cell) { return std::abs(cell / kBoardSize - x) + std::abs(cell % kBoardSize - y); };
  if (n.KeysLeft() == 0) return door < 0 ? 0 : steps(door);
  int best = 2 * kBoardSize;
  const std::uint64_t keys = n.rest >> 6;
  for (std::size_t k = 0; k < search.KeyCells().size(); ++k) {
    if (keys >> k & 1) best = std::min(best, steps(search.KeyCells()[k]));
  }
  return best;
}

}  // namespace

long SearchEffort(const StageDraft& draft, std::size_t limit, const std::atomic<bool>* cancel) {
  const DraftSearch search(draft);
  const auto door = std::find(draft.board.cells.begin(), draft.board.cells.end(), static_cast<int>(kDoor));
  const int doorCell = door == draft.board.cells.end() ? -1 : static_cast<int>(door - draft.board.cells.begin());
  // (keys left, distance, order found): the smallest is tried first.
  using Entry = std::tuple<int, int, std::size_t, Node>;
  auto later = [](const Entry& a, const Entry& b) {
    return std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a)) > std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b));
  };
  std::priority_queue<Entry, std::vector<Entry>, decltype(later)> open(later);
  std::unordered_set<Node, NodeHash> seen;
  std::size_t found = 0;
  auto add = [&](const Node& n) {
    if (seen.insert(n).second) open.emplace(n.KeysLeft(), DistanceToGoal(search, doorCell, n), found++, n);
  };
  add(search.Start());
  long tried = 0;
  while (!open.empty() && static_cast<std::size_t>(tried) < limit) {
    if (cancel != nullptr && tried % 256 == 0 && cancel->load(std::memory_order_relaxed)) return -1;
    const Node n = std::get<3>(open.top());
    open.pop();
    ++tried;
    for (const auto& next : search.Successors(n)) {
      if (next.cleared) return tried;
      add(next.node);
    }
  }
  return -1;
}

int RatingAt(const PlayState& start, const std::atomic<bool>* cancel) {
  StageDraft draft;
  draft.board = start.board;
  draft.start = CellIndex(start.playerX, start.playerY);
  draft.mp = start.mp;
  return EffortRating(SearchEffort(draft, kEffortLimit, cancel));
}

int EffortRating(long effort) {
  if (effort < 0) return 5;
  int rating = 1;
  for (long threshold : kEffortThresholds) rating += effort > threshold;
  return rating;
}

}  // namespace suispo
