// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What check says of one stage: its verdict, problems and par, and the measures and gates of a stage
// that clears.
#pragma once

#include <cstddef>
#include <string>

#include "tools/stage_check.h"

namespace suispo::tool {

// One JSON object on one line, or a line of text and a line per problem and measure; each line ends
// in "\n". The measures search up to stateLimit states.
std::string CheckReport(bool json, std::size_t number, const std::string& name, const StageLine& line,
                        const StageCheck& check, std::size_t stateLimit = kDefaultStateLimit);

}  // namespace suispo::tool
