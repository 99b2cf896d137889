// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The five stages offered when no stage file is known.
#pragma once

#include <vector>

#include "core/rules/stage_line.h"

namespace suispo {

std::vector<StageLine> BuiltinStages();

}  // namespace suispo
