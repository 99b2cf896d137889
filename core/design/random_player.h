// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Whether a stage can be cleared without thinking: a player pressing buttons at random, many times over.
#pragma once

#include "core/design/draft.h"

namespace suispo {

// Each run presses up to kRandomRunOps buttons, each chosen alike among the moves and walls that change
// something (a move into a hole among them: the stage starts again, and the run goes on). The runs are
// seeded by their number, so the rate is the same on every machine.
inline constexpr int kRandomRuns = 200;
inline constexpr int kRandomRunOps = 50;
// A stage is trivial when random runs clear it more often than this.
inline constexpr double kMostRandomClearRate = 0.3;

// The share of the runs that clear the stage.
double RandomClearRate(const StageDraft& draft, int runs = kRandomRuns, int ops = kRandomRunOps);

}  // namespace suispo
