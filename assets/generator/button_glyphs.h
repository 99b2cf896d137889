// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The pictures on the wall and move buttons, on silver (the colour the buttons leave undrawn).
#pragma once

#include <QImage>

namespace suispo::art {

// direction: 0 north, 1 east, 2 south, 3 west.
QImage WallGlyph(int direction, int scale = 1);  // 29 x 22 for north and south, 22 x 29 for east and west
QImage MoveGlyph(int direction, int scale = 1);  // 29 x 29

}  // namespace suispo::art
