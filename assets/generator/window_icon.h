// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's icon: the character's face on a slab of ice, painted at any size.
#pragma once

#include <QImage>

namespace suispo::art {

// size x size pixels; the window uses 32, the desktop's icon theme 16 to 256.
QImage WindowIcon(int size = 32);

// The sizes installed into the icon theme; 32 is the window icon itself.
inline constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace suispo::art
