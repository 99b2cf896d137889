// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's icon: the character's face on a slab of ice, drawn in 32 units and painted at any size.
#include "assets/generator/window_icon.h"

#include <QLinearGradient>
#include <algorithm>

#include "assets/generator/character.h"
#include "assets/generator/palette.h"
#include "assets/generator/supersample.h"

namespace suispo::art {

QImage WindowIcon(int size) {
  const double scale = size / 32.0;
  return Supersample(size, size, [scale](QPainter& p) {
    p.scale(scale, scale);
    QLinearGradient ice(0, 0, 32, 32);
    ice.setColorAt(0, kIceBevelLight);
    ice.setColorAt(1, kIceDeep);
    // The slab's rim stays at least one pixel wide on the smallest icons.
    p.setPen(QPen(kIceBevelDark, std::max(1.2, 1.0 / scale)));
    p.setBrush(ice);
    p.drawRoundedRect(QRectF(0.6, 0.6, 30.8, 30.8), 6, 6);
    // The front view, scaled to sit inside the slab.
    p.translate(16, 16.2);
    p.scale(0.76, 0.76);
    p.translate(-20, -21);
    PaintCharacter(p, 2);
  }).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace suispo::art
