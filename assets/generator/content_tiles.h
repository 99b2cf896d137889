// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 40 x 40 tiles of the board's contents: key, door, hole, arrows and warp pads, all on ice.
#pragma once

#include <QImage>

namespace suispo::art {

QImage KeyTile(int scale = 1);
QImage DoorTile(int scale = 1);
QImage HoleTile(int scale = 1);
QImage ArrowTile(int direction, int scale = 1);  // 0 up, 1 right, 2 down, 3 left
QImage WarpTile(int colour, int scale = 1);    // 0 red, 1 blue, 2 green, 3 orange

}  // namespace suispo::art
