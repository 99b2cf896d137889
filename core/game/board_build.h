// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board build: the drawing calls that show a whole board, in the order their pieces overlap.
#pragma once

#include "core/rules/board.h"
#include "core/game/board_painter.h"

namespace suispo {

// Every floor tile with its content, then the walls, then the border; then the working board is
// saved as the background. Used when a stage is (re)built and after an undo.
void BuildBoard(const Board& board, BoardPainter& painter);

}  // namespace suispo
