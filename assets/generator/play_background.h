// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 512 x 360 play-screen picture: marble with recessed panels for the board, the name plate,
// the title lettering, the wall-point counter and the three groups of buttons.
#pragma once

#include <QImage>

namespace suispo::art {

QImage PlayBackground(int scale = 1);

}  // namespace suispo::art
