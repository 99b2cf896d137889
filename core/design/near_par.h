// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Whether the walls force the idea: the distinct clears that take at most one operation more than par.
#pragma once

#include <cstddef>
#include <vector>

#include "core/design/draft.h"
#include "core/solver/solver.h"

namespace suispo {

// A stage forces its idea when at most this many distinct clears lie within one operation of par.
inline constexpr int kMostNearParClears = 4;

// The clears of at most par + 1 operations, two of them one when they make the same moves and end with
// the same walls (as the optimal ideas are counted).
struct NearParClears {
  int count = 0;  // up to the cap; -1 when the search holds more than its state limit
  std::vector<std::vector<SolverOp>> first;  // one clear of each found, at most kNearParExamples
  std::size_t states = 0;                    // the states the search held
};
inline constexpr std::size_t kNearParExamples = 8;
NearParClears ClearsNearPar(const StageDraft& draft, int par, int cap, std::size_t stateLimit);

}  // namespace suispo
