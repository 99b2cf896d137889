// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The corner loop found by replaying a clear, and clears alike under the board's symmetries.
#include "core/design/repeated_ideas.h"

#include <algorithm>

#include "core/design/draft_search.h"
#include "core/design/measure.h"

namespace suispo {

namespace {

constexpr int kLoopSlides = 4;

// Whether the slides from `first` (a move) on make the loop round the wall built at `at` on side `side`.
bool LoopsBack(PlayState s, const std::vector<SolverOp>& ops, std::size_t first, Cell at, int side) {
  int turn = 0;
  int slides = 0;
  for (std::size_t i = first; i < ops.size() && slides < kLoopSlides; ++i) {
    if (ops[i].wall) return false;
    if (slides > 0) {
      const int step = (ops[i].direction - ops[i - 1].direction + 4) % 4;
      if (step != 1 && step != 3) return false;
      if (turn != 0 && step != turn) return false;
      turn = step;
    }
    rules::Slide(s, ops[i].direction);
    ++slides;
  }
  // The last slide heads at the wall from its far side and rests against it.
  const Cell across{at.x + kStepX[side], at.y + kStepY[side]};
  return slides == kLoopSlides && ops[first + kLoopSlides - 1].direction == (side + 2) % 4 &&
         s.Position() == across;
}

}  // namespace

int CornerLoopAt(const StageDraft& draft, const std::vector<SolverOp>& ops) {
  PlayState s = StartOf(draft);
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Cell at = s.Position();
    if (ops[i].wall) {
      const bool built = rules::PlaceWall(s, ops[i].direction);
      if (built && LoopsBack(s, ops, i + 1, at, ops[i].direction)) return static_cast<int>(i);
    } else {
      rules::Slide(s, ops[i].direction);
    }
  }
  return -1;
}

int SharedRun(const std::vector<SolverOp>& a, const std::vector<SolverOp>& b) {
  int longest = 0;
  for (int symmetry = 0; symmetry < kSymmetryCount; ++symmetry) {
    std::vector<SolverOp> turned = b;
    for (SolverOp& op : turned) op.direction = MapDirection(symmetry, op.direction);
    // The longest common run, row by row of the usual table.
    std::vector<int> previous(turned.size() + 1, 0), row(turned.size() + 1, 0);
    for (const SolverOp& op : a) {
      for (std::size_t j = 1; j <= turned.size(); ++j) {
        row[j] = op == turned[j - 1] ? previous[j - 1] + 1 : 0;
        longest = std::max(longest, row[j]);
      }
      std::swap(previous, row);
    }
  }
  return longest;
}

std::vector<AlikePair> AlikePairs(const std::vector<std::vector<SolverOp>>& clears) {
  std::vector<AlikePair> pairs;
  for (std::size_t i = 0; i < clears.size(); ++i) {
    for (std::size_t j = i + 1; j < clears.size(); ++j) {
      const int run = SharedRun(clears[i], clears[j]);
      if (run >= kAlikeRun) pairs.push_back({i, j, run});
    }
  }
  return pairs;
}

int MostCornerLoops(std::size_t stages) {
  return static_cast<int>((stages * kMostCornerLoops + 9) / 10);
}

void SetIdeas::Restart() {
  loops_ = 0;
  looks_.clear();
  clears_.clear();
}

bool SetIdeas::Take(const StageDraft& draft) {
  const std::string look = CanonicalText(draft);
  if (looks_.contains(look)) return false;
  if (demanding_) {
    const std::string key = draft.Line();
    auto found = solved_.find(key);
    if (found == solved_.end()) found = solved_.emplace(key, SolveDraft(draft, kDefaultStateLimit).ops).first;
    const std::vector<SolverOp>& clear = found->second;
    const bool loop = CornerLoopAt(draft, clear) >= 0;
    if (loop && loops_ >= mostLoops_) return false;
    for (const std::vector<SolverOp>& before : clears_) {
      if (SharedRun(before, clear) >= kAlikeRun) return false;
    }
    loops_ += loop ? 1 : 0;
    clears_.push_back(clear);
  }
  looks_.insert(look);
  return true;
}

}  // namespace suispo
