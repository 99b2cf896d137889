// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 384 x 255 sprite atlas: every board picture in the place the drawing code copies it from.
#pragma once

#include <QImage>

namespace suispo::art {

// At scale 2 or 3 every rectangle of the atlas map holds the same picture at that many pixels per unit.
QImage AtlasSheet(int scale = 1);

}  // namespace suispo::art
