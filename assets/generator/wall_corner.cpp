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
  p.setPen(kWoodDark);
  p.setBrush(Qt::NoBrush);
  p.drawRect(x, y, 7, 7);
  p.fillRect(x + 3, y + 3, 2, 2, kGold);
  p.fillRect(x + 4, y + 4, 1, 1, kGoldDark);
}

// A horizontal 40 x 8 strip; the vertical ones are its transpose, so the light falls the same way.
QImage Beam() {
  QImage beam(40, 8, QImage::Format_RGB32);
  beam.fill(kBeam);
  QPainter p(&beam);
  p.fillRect(0, 0, 40, 1, kBeamDark);
  p.fillRect(0, 1, 40, 1, kBeamLight);
  p.fillRect(0, 6, 40, 1, kBeam.darker(125));
  p.fillRect(0, 7, 40, 1, kBeamDark);
  // Grain.
  for (int x : {4, 15, 27, 34}) p.fillRect(x, 3, 4, 1, kBeam.darker(112));
  for (int x : {9, 21, 31}) p.fillRect(x, 4, 3, 1, kBeam.lighter(110));
  return beam;
}

QImage Checker() {
  QImage band(40, 8, QImage::Format_RGB32);
  QPainter p(&band);
  for (int x = 0; x < 40; x += 4) {
    for (int y = 0; y < 8; y += 4) {
      const bool blue = ((x + y) / 4) % 2 == 0;
      p.fillRect(x, y, 4, 4, blue ? kMarkBlue : QColor(244, 248, 255));
    }
  }
  p.fillRect(0, 0, 40, 1, kMarkBlue.darker(160));
  p.fillRect(0, 7, 40, 1, kMarkBlue.darker(160));
  return band;
}

QImage Transposed(const QImage& image) { return image.transformed(QTransform(0, 1, 1, 0, 0, 0)); }

}  // namespace

QImage WallCorner() {
  QImage frame(56, 56, QImage::Format_RGB32);
  frame.fill(Qt::black);
  QPainter p(&frame);
  p.drawImage(8, 0, Beam());
  p.drawImage(0, 8, Transposed(Beam()));
  p.drawImage(48, 8, Transposed(Checker()));
  p.drawImage(8, 48, Checker());
  for (int x : {0, 48}) {
    for (int y : {0, 48}) Post(p, x, y);
  }
  return frame;
}

}  // namespace suispo::art
