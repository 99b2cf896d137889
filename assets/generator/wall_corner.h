// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 56 x 56 wall frame: solid strips (posts and a red beam) on the top and left, marked strips
// (posts and a blue and white checkerboard) on the right and bottom, sharing the four corner posts.
#pragma once

#include <QImage>

namespace suispo::art {

QImage WallCorner(int scale = 1);  // black inside the frame

}  // namespace suispo::art
