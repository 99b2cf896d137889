// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Finding a stage again in its file as it is now, for the saves that write one line of it.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/rules/stage_line.h"
#include "core/text/game_error.h"

namespace suispo {

// Where the stage of line lies in lines now: at its old index if it is still there, else its first
// place; nothing when it is gone (SameStageLine).
std::optional<std::size_t> FindStage(const std::vector<StageLine>& lines, const StageLine& line, std::size_t oldIndex);
// The refusal of a save whose file is no longer what was read (kChangedSinceRead).
GameError ChangedSinceRead(std::string_view name);

}  // namespace suispo
