// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Pixels the figure half covers go to the sprite, blended over the edge colour and black in the mask;
// the rest stay black in the sprite and white in the mask.
#include "assets/generator/sprite_cutout.h"

namespace suispo::art {

namespace {
constexpr int kCoveredAlpha = 128;
}

Cutout CutOut(const QImage& figure, const QColor& edgeGround) {
  const QImage src = figure.convertToFormat(QImage::Format_ARGB32);
  Cutout out{QImage(src.size(), QImage::Format_RGB32), QImage(src.size(), QImage::Format_RGB32)};
  for (int y = 0; y < src.height(); ++y) {
    for (int x = 0; x < src.width(); ++x) {
      const QRgb c = src.pixel(x, y);
      const int a = qAlpha(c);
      if (a < kCoveredAlpha) {
        out.sprite.setPixel(x, y, qRgb(0, 0, 0));
        out.mask.setPixel(x, y, qRgb(255, 255, 255));
        continue;
      }
      auto blend = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
      int r = blend(qRed(c), edgeGround.red());
      int g = blend(qGreen(c), edgeGround.green());
      int b = blend(qBlue(c), edgeGround.blue());
      // Pure black would vanish in the OR copy and break the sprite/mask pairing.
      if (r == 0 && g == 0 && b == 0) b = 1;
      out.sprite.setPixel(x, y, qRgb(r, g, b));
      out.mask.setPixel(x, y, qRgb(0, 0, 0));
    }
  }
  return out;
}

}  // namespace suispo::art
