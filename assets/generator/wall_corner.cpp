// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Posts, beams and checkered strips painted, and the vertical strips as the horizontal ones transposed.
#include "assets/generator/wall_corner.h"

#include <QPainter>
#include <QTransform>

#include "assets/generator/palette.h"

namespace suispo::art {

namespace {

// Every corner gets the same post, so strips meeting on the board in any combination match.
void Post(QPainter& p, int x, int y) {
  p.fillRect(x, y, 8, 8, kWood);
  p.fillRect(x + 1, y + 1, 6, 1, kWoodLight);
  p.fillRect(x + 1, y + 1, 1, 6, kWoodLight);
  p.fillRect(x + 2, y + 6, 5, 1, kWoodDark.lighter(130));
  p.fillRect(x + 6, y + 2, 1, 5, kWoodDark.lighter(130));
  for (const QRect rim : {QRect(x, y, 8, 1), QRect(x, y + 7, 8, 1), QRect(x, y, 1, 8), QRect(x + 7, y, 1, 8)}) {
    p.fillRect(rim, kWoodDark);
  }
  p.fillRect(x + 3, y + 3, 2, 2, kGold);
  p.fillRect(x + 4, y + 4, 1, 1, kGoldDark);
}

// A horizontal 40 x 8 strip; the vertical ones are its transpose, so the light falls the same way.
QImage Beam(int scale) {
  QImage beam(40 * scale, 8 * scale, QImage::Format_RGB32);
  beam.fill(kBeam);
  QPainter p(&beam);
  p.scale(scale, scale);
  p.fillRect(0, 0, 40, 1, kBeamDark);
  p.fillRect(0, 1, 40, 1, kBeamLight);
  p.fillRect(0, 6, 40, 1, kBeam.darker(125));
  p.fillRect(0, 7, 40, 1, kBeamDark);
  // Grain.
  for (int x : {4, 15, 27, 34}) p.fillRect(x, 3, 4, 1, kBeam.darker(112));
  for (int x : {9, 21, 31}) p.fillRect(x, 4, 3, 1, kBeam.lighter(110));
  return beam;
}

// Deep blue and pure white between near-black rims: the white never meets the ice, so the strip reads
// as wide and as dark as a beam, not as a faint dotted line at 1x.
QImage Checker(int scale) {
  QImage band(40 * scale, 8 * scale, QImage::Format_RGB32);
  QPainter p(&band);
  p.scale(scale, scale);
  for (int x = 0; x < 40; x += 4) {
    for (int y = 0; y < 8; y += 4) {
      const bool blue = ((x + y) / 4) % 2 == 0;
      p.fillRect(x, y, 4, 4, blue ? kMarkBlue : kMarkLight);
    }
  }
  p.fillRect(0, 0, 40, 1, kMarkRim);
  p.fillRect(0, 7, 40, 1, kMarkRim);
  return band;
}

QImage Transposed(const QImage& image) { return image.transformed(QTransform(0, 1, 1, 0, 0, 0)); }

}  // namespace

QImage WallCorner(int scale) {
  QImage frame(56 * scale, 56 * scale, QImage::Format_RGB32);
  frame.fill(Qt::black);
  QPainter p(&frame);
  const int s = scale;
  p.drawImage(8 * s, 0, Beam(s));
  p.drawImage(0, 8 * s, Transposed(Beam(s)));
  p.drawImage(48 * s, 8 * s, Transposed(Checker(s)));
  p.drawImage(8 * s, 48 * s, Checker(s));
  p.scale(s, s);
  for (int x : {0, 48}) {
    for (int y : {0, 48}) Post(p, x, y);
  }
  return frame;
}

}  // namespace suispo::art
