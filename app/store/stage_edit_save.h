// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's saves beside the one into the stage's own file (StageStore::ReplaceStage): a stage
// appended to another of the player's stage files, or a new file of its own in the stage folder.
#pragma once

#include <string>

#include "app/store/local_time.h"
#include "core/rules/stage_line.h"

namespace suispo {

// Appends the line to the player's own stage file at path as it is now (read, locked, replaced whole);
// never through a link, nor into another user's file or no regular file (GameError kChangedSinceRead),
// nor into a read-only one (kReadOnly); a failed write throws kCannotCreateFile and leaves it whole.
void AppendStage(const std::string& path, const StageLine& line);

// A new stage file in folder holding the line alone, named "edit yyyymmdd hhmmss.ssp"; never replaces
// anything (GameError kCannotCreateFile). Returns its path.
std::string SaveStageInNewFile(const std::string& folder, const LocalTime& time, const StageLine& line);

}  // namespace suispo
