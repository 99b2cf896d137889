// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What a stage author should know about one stage line: errors, warnings, and its par when it can be cleared.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/solver/solver.h"
#include "core/rules/stage_line.h"

namespace suispo::tool {

struct StageCheck {
  std::vector<std::string> errors;    // it cannot start, has no door, or cannot be cleared
  std::vector<std::string> warnings;  // it plays, but not as its author may think
  std::optional<SolveResult> best;    // the shortest clear, when there is one
  bool Cleared() const { return best.has_value(); }
};

StageCheck CheckStage(const StageLine& line, std::size_t stateLimit = kDefaultStateLimit);

// The fewest wall points with which the stage still clears in `par` operations.
int WallPointsNeeded(const PlayState& start, std::size_t par, std::size_t stateLimit);

// "(column, row)" of a cell.
std::string Place(int x, int y);

}  // namespace suispo::tool
