// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Each glyph painted pointing up and turned to its direction.
#include "assets/generator/button_glyphs.h"

#include <QLinearGradient>

#include "assets/generator/palette.h"
#include "assets/generator/supersample.h"

namespace suispo::art {

namespace {

QPen Outline(const QColor& c) {
  QPen pen(c, 1.1);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

// Turns a painter so that "up" in a w x h upright drawing points the given way in the glyph.
void TurnTo(QPainter& p, int direction, int glyphW, int glyphH) {
  p.translate(glyphW / 2.0, glyphH / 2.0);
  p.rotate(90 * direction);
  const bool sideways = direction % 2 == 1;
  p.translate(-(sideways ? glyphH : glyphW) / 2.0, -(sideways ? glyphW : glyphH) / 2.0);
}

// Upright, 29 x 22: the wall bar along the top, the pointer below aiming at it.
void PaintWallUpright(QPainter& p) {
  QLinearGradient bar(0, 2, 0, 8);
  bar.setColorAt(0, kBeamLight);
  bar.setColorAt(1, kBeam.darker(110));
  p.setPen(Outline(kBeamDark));
  p.setBrush(bar);
  p.drawRoundedRect(QRectF(3, 2, 23, 6), 1, 1);
  QLinearGradient ptr(0, 10, 0, 20);
  ptr.setColorAt(0, QColor(255, 196, 60));
  ptr.setColorAt(1, QColor(240, 120, 10));
  p.setPen(Outline(QColor(150, 70, 0)));
  p.setBrush(ptr);
  p.drawPolygon(QPolygonF{{{14.5, 10}, {21, 16}, {17, 16}, {17, 20}, {12, 20}, {12, 16}, {8, 16}}});
}

// Upright, 29 x 29: a green arrow pointing up.
void PaintMoveUpright(QPainter& p) {
  QLinearGradient g(4, 0, 25, 0);
  g.setColorAt(0, QColor(120, 230, 110));
  g.setColorAt(1, QColor(30, 160, 50));
  p.setPen(Outline(QColor(10, 80, 20)));
  p.setBrush(g);
  p.drawPolygon(QPolygonF{{{14.5, 3}, {26, 14.5}, {19, 14.5}, {19, 26}, {10, 26}, {10, 14.5}, {3, 14.5}}});
}

}  // namespace

QImage WallGlyph(int direction, int scale) {
  const bool sideways = direction % 2 == 1;
  const int w = sideways ? 22 : 29;
  const int h = sideways ? 29 : 22;
  return OverGround(Supersample(w, h, [=](QPainter& p) {
                      TurnTo(p, direction, w, h);
                      PaintWallUpright(p);
                    }, scale),
                    kSilver);
}

QImage MoveGlyph(int direction, int scale) {
  return OverGround(Supersample(29, 29, [=](QPainter& p) {
                      TurnTo(p, direction, 29, 29);
                      PaintMoveUpright(p);
                    }, scale),
                    kSilver);
}

}  // namespace suispo::art
