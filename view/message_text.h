// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The wording of the errors the player reads, through Qt's translation; the window and the stage
// tool both word errors here.
#pragma once

#include <QString>

#include "core/text/game_error.h"

namespace suispo {

// The message of `error` in the installed translation (the Japanese source text without one),
// its arguments filled in.
QString MessageText(const GameError& error);

}  // namespace suispo
