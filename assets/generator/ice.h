// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The ice floor: the bevelled 48 x 48 floor tile and its plain 40 x 40 inner square.
#pragma once

#include <QImage>

namespace suispo::art {

QImage FloorTile(int scale = 1);  // 48 x 48 units, opaque
QImage PlainIce(int scale = 1);   // 40 x 40 units, the floor tile's inner square at (4, 4)

}  // namespace suispo::art
