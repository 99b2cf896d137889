// The five stages offered when no stage file is known.
#pragma once

#include <vector>

#include "stage_line.h"

namespace suispo {

std::vector<StageLine> BuiltinStages();

}  // namespace suispo
