// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage tool's reading of a stage file: the game's reader, its refusals worded in English.
#pragma once

#include <string>
#include <vector>

#include "core/files/stage_file.h"
#include "core/rules/stage_line.h"

namespace suispo::tool {

// The file's stage lines; throws std::runtime_error in the tool's language (English, as its help)
// when the file cannot be read or is refused.
std::vector<StageLine> ReadStages(const std::string& path);
// The same with the file's byte-order mark, for a command that writes the file again.
StageFileText ReadStagesText(const std::string& path);

}  // namespace suispo::tool
