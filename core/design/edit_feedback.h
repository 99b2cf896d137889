// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the stage editor shows of the stage being made, asked of the solver, the effort measure and the
// gate table: the par and rating first (quick), then the gates (slower), each on a worker.
#pragma once

#include <atomic>
#include <vector>

#include "core/design/gates.h"
#include "core/design/measure.h"
#include "core/solver/solver.h"

namespace suispo {

// The par and the rating of a stage with a start.
struct ParFeedback {
  SolveOutcome outcome = SolveOutcome::kNoSolution;
  bool cancelled = false;         // a newer edit stopped it: nothing to show
  std::vector<SolverOp> clear;    // a shortest clear, for 解答を見る
  long effort = -1;               // the positions a person's search tries; -1 not found
  int rating = 0;                 // 1 to 5 once solved
  int par() const { return outcome == SolveOutcome::kSolved ? static_cast<int>(clear.size()) : -1; }
};
ParFeedback FindParFeedback(const PlayState& start, const std::atomic<bool>* cancel = nullptr);

// Every gate of the table with the measures it read, for a stage that can be cleared.
struct GateFeedback {
  bool cancelled = false;
  StageMeasures measures;
  StageGates gates;
};
GateFeedback FindGateFeedback(const StageDraft& draft, const std::atomic<bool>* cancel = nullptr);

}  // namespace suispo
