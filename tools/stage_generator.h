// New stages that the solver clears: random boards climbed towards a par, pruned to what serves, sorted.
#pragma once

#include <cstdint>
#include <vector>

#include "core/stage_line.h"

namespace suispo::tool {

struct GenerateOptions {
  int count = 10;
  std::uint32_t seed = 1;
  int minPar = 8;
  int maxPar = 20;
};

// `count` stage lines (names in Shift-JIS), sorted by par; the same options give the same lines.
// Throws std::runtime_error when no stage in the par range turns up.
std::vector<StageLine> GenerateStages(const GenerateOptions& options);

}  // namespace suispo::tool
