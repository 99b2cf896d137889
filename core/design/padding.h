// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Whether a solution gets its length from going round again: the moves that repeat an earlier move from
// the same cell in the same direction.
#pragma once

#include <vector>

#include "core/design/draft.h"
#include "core/solver/solver.h"

namespace suispo {

struct Padding {
  int moves = 0;
  int repeats = 0;     // moves made before from the same cell in the same direction
  int longestRun = 0;  // the most such moves one after another (walls between them do not break a run)
  double Share() const { return moves == 0 ? 0 : static_cast<double>(repeats) / moves; }
};
// A stage is padded when more than this share of its solution's moves repeat, or a longer run does.
inline constexpr double kMostRepeatShare = 0.2;
inline constexpr int kLongestRepeatRun = 3;

// The solution's operations played from the draft's start.
Padding PaddingOf(const StageDraft& draft, const std::vector<SolverOp>& ops);

}  // namespace suispo
