// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Mending a draft that two optimal ideas clear, or that too many clears near par leave unforced: a
// change where two solutions part that takes one of them away.
#pragma once

#include <cstddef>
#include <optional>

#include "core/design/draft.h"
#include "core/design/measure.h"
#include "core/design/near_par.h"
#include "core/design/work_budget.h"

namespace suispo {

// Where the two ideas of `ideas` part, tries, on each idea's parting operation in turn: with marked
// edges among `mechanics`, a marked edge where the idea builds a wall (no wall can stand there then);
// with holes, a hole on a cell the idea's slide passes; then a wall across the slide, with its images
// under `symmetry` first. Keeps the first change that leaves the par as it is and fewer ideas, at
// least one, and gives the ideas of the draft it keeps; none when no change does, or once the searches
// have spent `budget` (when given).
std::optional<Ideas> RepairIdeas(StageDraft& draft, int par, const Ideas& ideas, unsigned mechanics, int symmetry,
                                 std::size_t stateLimit, WorkBudget* budget = nullptr);

// The same changes where each clear of `near` parts from `best` (an optimal solution), on the clear's
// side: keeps the first that leaves the par, one idea, and fewer clears near par, and gives the clears
// near par of the draft it keeps.
std::optional<NearParClears> RepairNearPar(StageDraft& draft, int par, const std::vector<SolverOp>& best,
                                           const NearParClears& near, unsigned mechanics, int symmetry,
                                           std::size_t stateLimit, WorkBudget* budget = nullptr);

}  // namespace suispo
