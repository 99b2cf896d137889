// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 512 x 360 play-screen picture: marble with recessed panels for the board, the name plate,
// the title lettering, the figures' dark boxes and the three groups of buttons (the figures' captions
// are lettered by the view in the player's language).
#pragma once

#include <QImage>

namespace suispo::art {

QImage PlayBackground(int scale = 1);

}  // namespace suispo::art
