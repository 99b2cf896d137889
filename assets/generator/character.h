// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The character: a round penguin in a red cap, painted in a 40 x 40 box for each facing.
#pragma once

#include <QPainter>

namespace suispo::art {

enum class Arms { Down, Raised };

// facing: 0 north (seen from behind), 1 east, 2 south (from the front), 3 west.
// Paints on a transparent ground; the figure stands with its feet near y = 38.
void PaintCharacter(QPainter& p, int facing, Arms arms = Arms::Down);

}  // namespace suispo::art
