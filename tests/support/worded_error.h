// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// An error as the player reads it: worded by the game with no translation installed (Japanese).
#pragma once

#include <string>

#include "core/text/game_error.h"
#include "view/message_text.h"

namespace suispo::test {

inline std::string Worded(const GameError& error) { return MessageText(error).toStdString(); }

}  // namespace suispo::test
