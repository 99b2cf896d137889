// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board drawn in plain text for a person: cells, walls (| and --- solid, : and ... marked), the character.
#pragma once

#include <string>

#include "core/rules/play_state.h"

namespace suispo::tool {

std::string BoardPicture(const PlayState& game);

}  // namespace suispo::tool
