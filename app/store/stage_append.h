// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A stage added at the end of one of the player's stage files, or as a new file, by the safe save of a
// clear: a played share code's and the stage editor's.
#pragma once

#include <string>

#include "app/store/local_time.h"
#include "core/rules/stage_line.h"

namespace suispo {

// Adds line after the last stage of the file as it is now, keeping its byte-order mark: the
// player's own regular file, locked, re-read and replaced whole (core/files/own_file.h), never
// through a link. Throws GameError kReadOnly, kChangedSinceRead (no longer the player's own regular
// file, or unreadable) or kCannotCreateFile (the write failed, the file as it was); the file's own
// refusals (too large, too many lines) as StageFileError.
void AppendStage(const std::string& path, const StageLine& line);

// A new stage file in folder holding line alone, named for what made it and the time (prefix "code "
// or "edit ": "code yyyymmdd hhmmss.ssp", a number added while that is taken; a bare time is the name
// of the built-in stages' file); never replaces anything. Returns its path; throws GameError
// kCannotCreateFile.
std::string NewStageFile(const std::string& folder, const std::string& prefix, const LocalTime& time,
                         const StageLine& line);

}  // namespace suispo
