// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What check says of one stage: its verdict, problems and par, and the measures and gates of a stage
// that clears.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/design/repeated_ideas.h"
#include "tools/stage_check.h"

namespace suispo::tool {

// The other stages of the file whose shortest clears are alike with this one's: their numbers (from 1)
// and the operations in a row shared.
using AlikeStages = std::vector<std::pair<std::size_t, int>>;

// One JSON object on one line, or a line of text and a line per problem and measure; each line ends
// in "\n". The measures search up to stateLimit states.
std::string CheckReport(bool json, std::size_t number, const std::string& name, const StageLine& line,
                        const StageCheck& check, std::size_t stateLimit = kDefaultStateLimit,
                        const AlikeStages& alike = {});

// The text lines that name the file's alike pairs, one a pair ("" when there are none).
std::string AlikeReport(const std::vector<AlikePair>& pairs);

}  // namespace suispo::tool
