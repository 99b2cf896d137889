// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 40 x 40 tiles of the board's contents: key, door, hole, arrows and warp pads, all on ice.
#pragma once

#include <QImage>

namespace suispo::art {

QImage KeyTile();
QImage DoorTile();
QImage HoleTile();
QImage ArrowTile(int direction);  // 0 up, 1 right, 2 down, 3 left
QImage WarpTile(int colour);      // 0 red, 1 blue, 2 green, 3 orange

}  // namespace suispo::art
