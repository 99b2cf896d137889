// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Finding a stage again in its file as it is now, and the refusals of the saves that write one line of it.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/files/own_file.h"
#include "core/rules/stage_line.h"
#include "core/text/game_error.h"

namespace suispo {

// Where the stage of line lies in lines now: at its old index if it is still there, else its first
// place; nothing when it is gone (SameStageLine).
std::optional<std::size_t> FindStage(const std::vector<StageLine>& lines, const StageLine& line, std::size_t oldIndex);
// The refusal of a save whose file is no longer what was read (kChangedSinceRead).
GameError ChangedSinceRead(std::string_view name);

// Throws the player's message for a save of one stage file (named name) that did not write: read-only,
// a link that is not the player's, busy, too large, unreadable, a failed write or a full disk, or no
// longer the file that was read; returns when it was written.
void ThrowUnlessSaved(const OwnSave& save, const std::string& name);

}  // namespace suispo
