// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The editor's feedback: the solver's answer and the effort, then the measures through the gate table.
#include "core/design/edit_feedback.h"

#include "core/design/effort.h"

namespace suispo {

namespace {

bool Cancelled(const std::atomic<bool>* cancel) { return cancel != nullptr && cancel->load(); }

}  // namespace

ParFeedback FindParFeedback(const PlayState& start, const std::atomic<bool>* cancel) {
  ParFeedback feedback;
  const SolveResult solved = Solve(start, {.cancel = cancel});
  feedback.cancelled = Cancelled(cancel);
  feedback.outcome = solved.outcome;
  if (feedback.cancelled || solved.outcome != SolveOutcome::kSolved) return feedback;
  feedback.clear = solved.ops;
  const StageDraft draft{start.board, CellIndex(start.playerX, start.playerY), start.mp};
  feedback.effort = SearchEffort(draft, kEffortLimit, cancel);
  feedback.cancelled = Cancelled(cancel);
  feedback.rating = EffortRating(feedback.effort);
  return feedback;
}

GateFeedback FindGateFeedback(const StageDraft& draft, const std::atomic<bool>* cancel) {
  // The measures cannot be stopped halfway; a newer edit drops their answer and they are not begun
  // once it has come.
  GateFeedback feedback;
  feedback.cancelled = Cancelled(cancel);
  if (feedback.cancelled) return feedback;
  feedback.measures = Measure(draft);
  feedback.gates = GatesOf(feedback.measures);
  feedback.cancelled = Cancelled(cancel);
  return feedback;
}

}  // namespace suispo
