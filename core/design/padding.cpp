// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The repeated moves of a solution, counted by playing it.
#include "core/design/padding.h"

#include <algorithm>
#include <set>
#include <utility>

#include "core/design/draft_search.h"

namespace suispo {

Padding PaddingOf(const StageDraft& draft, const std::vector<SolverOp>& ops) {
  Padding p;
  PlayState s = StartOf(draft);
  std::set<std::pair<int, int>> made;
  int run = 0;
  for (const SolverOp& op : ops) {
    if (op.wall) {
      rules::PlaceWall(s, op.direction);
      continue;
    }
    ++p.moves;
    if (made.insert({CellIndex(s.playerX, s.playerY), op.direction}).second) {
      run = 0;
    } else {
      ++p.repeats;
      p.longestRun = std::max(p.longestRun, ++run);
    }
    rules::Slide(s, op.direction);
  }
  return p;
}

}  // namespace suispo
