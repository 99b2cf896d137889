// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Ideas that stages share instead of having their own: the corner loop in a shortest clear, and two
// shortest clears that make the same run of operations, the board turned or mirrored.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/design/draft.h"
#include "core/solver/solver.h"

namespace suispo {

// A set of ten stages (a chapter, a generated set) holds the corner loop in at most this many.
inline constexpr int kMostCornerLoops = 2;
// Two clears that share this many operations in a row are one idea.
inline constexpr int kAlikeRun = 10;

// The corner loop, found by replaying the clear: a wall built on one side of the character's cell,
// then four slides that each turn the same way as the one before, the fourth resting on the far side
// of that wall, stopped by it. The index of the wall's operation; -1 when the clear has none.
int CornerLoopAt(const StageDraft& draft, const std::vector<SolverOp>& ops);

// The most operations in a row that two clears share when the second is turned or mirrored by one of
// the board's eight symmetries (walls and moves alike, their directions turned with the board).
int SharedRun(const std::vector<SolverOp>& a, const std::vector<SolverOp>& b);

struct AlikePair {
  std::size_t first = 0, second = 0;  // indices into the clears, first < second
  int run = 0;                        // the operations in a row they share
};
// Every pair of clears that shares at least kAlikeRun operations in a row.
std::vector<AlikePair> AlikePairs(const std::vector<std::vector<SolverOp>>& clears);

// The most corner loops a set of this many stages may hold: kMostCornerLoops for ten, in proportion.
int MostCornerLoops(std::size_t stages);

// The stages of a set taken so far, in the set's order: a stage is taken when it is not the same as one
// before it, turned or mirrored; in a demanding set also when its shortest clear is alike with none
// before it and it holds the corner loop only while fewer than MostCornerLoops of the set do.
class SetIdeas {
 public:
  SetIdeas(std::size_t stages, bool demanding) : mostLoops_(MostCornerLoops(stages)), demanding_(demanding) {}
  // Starts the set again; the clears already solved are kept.
  void Restart();
  bool Take(const StageDraft& draft);

 private:
  int mostLoops_;
  bool demanding_;
  int loops_ = 0;
  std::set<std::string> looks_;
  std::vector<std::vector<SolverOp>> clears_;
  std::map<std::string, std::vector<SolverOp>> solved_;  // by the stage line's board text
};

}  // namespace suispo
