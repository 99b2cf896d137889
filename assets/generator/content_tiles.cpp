// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The content shapes (key, arched door, hole, arrow, the pads with their symbols) painted on the plain ice square.
#include "assets/generator/content_tiles.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/generator/ice.h"
#include "assets/generator/palette.h"
#include "assets/generator/supersample.h"

namespace suispo::art {

namespace {

QPen Outline(const QColor& c, double width) {
  QPen pen(c, width);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QImage OnIce(int scale, const PaintFn& paint) { return OverImage(Supersample(40, 40, paint, scale), PlainIce(scale)); }

// The key lies diagonally: ring at the upper left, bit at the lower right.
QPainterPath KeyShape() {
  QPainterPath ring;
  ring.addEllipse(QPointF(-10, 0), 7, 7);
  QPainterPath hole;
  hole.addEllipse(QPointF(-10, 0), 2.8, 2.8);
  QPainterPath blade;
  blade.addRoundedRect(QRectF(-4.5, -2.2, 19, 4.4), 1, 1);
  blade.addRect(QRectF(7, 1, 2.8, 5.5));
  blade.addRect(QRectF(11, 1, 2.8, 4));
  return ring.united(blade).subtracted(hole);
}

// A doorway from left to right, standing on y = 38, its round top from top down to springY.
QPainterPath Arched(double left, double right, double top, double springY) {
  QPainterPath path;
  path.moveTo(left, 38);
  path.lineTo(left, springY);
  path.arcTo(QRectF(left, top, right - left, 2 * (springY - top)), 180, -180);
  path.lineTo(right, 38);
  path.closeSubpath();
  return path;
}

QPolygonF ArrowShape() {
  return QPolygonF{{{20, 4}, {35, 19}, {26, 19}, {26, 36}, {14, 36}, {14, 19}, {5, 19}}};
}

QPolygonF SixPointedStar(QPointF c, double r) {
  QPolygonF star;
  for (int i = 0; i < 12; ++i) {
    const double radius = i % 2 == 0 ? r : r / std::sqrt(3.0);
    const double angle = (-90 + 30 * i) * std::numbers::pi / 180;
    star << QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
  }
  return star;
}

// Each pair of pads has a shape of its own besides its colour, so a player who cannot tell the colours
// apart tells the pairs: red a star, blue a diamond, green a triangle, orange a cross.
QPolygonF PadSymbol(int colour, QPointF c) {
  const double x = c.x(), y = c.y();
  switch (colour) {
    case 1: return QPolygonF{{{x, y - 11.5}, {x + 10, y}, {x, y + 11.5}, {x - 10, y}}};
    case 2: return QPolygonF{{{x, y - 11}, {x + 11, y + 8}, {x - 11, y + 8}}};
    case 3:
      return QPolygonF{{{x - 3.5, y - 11}, {x + 3.5, y - 11}, {x + 3.5, y - 3.5}, {x + 11, y - 3.5},
                        {x + 11, y + 3.5}, {x + 3.5, y + 3.5}, {x + 3.5, y + 11}, {x - 3.5, y + 11},
                        {x - 3.5, y + 3.5}, {x - 11, y + 3.5}, {x - 11, y - 3.5}, {x - 3.5, y - 3.5}}};
    default: return SixPointedStar(c, 11);
  }
}

}  // namespace

QImage KeyTile(int scale) {
  return OnIce(scale, [](QPainter& p) {
    p.translate(21, 20);
    p.rotate(45);
    const QPainterPath key = KeyShape();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 140, 70));
    p.drawPath(key.translated(1.5, 1.5));
    QLinearGradient g(0, -7, 0, 7);
    g.setColorAt(0, kGoldLight);
    g.setColorAt(0.45, kGold);
    g.setColorAt(1, kGoldDark.lighter(130));
    p.setPen(Outline(kGoldDark, 1.1));
    p.setBrush(g);
    p.drawPath(key);
    p.setPen(QPen(QColor(255, 255, 230, 200), 0.9));
    p.drawLine(QPointF(-3, -1), QPointF(12, -1));
  });
}

QImage DoorTile(int scale) {
  return OnIce(scale, [](QPainter& p) {
    const QPainterPath frame = Arched(6, 34, 2, 15);
    p.setPen(Outline(kWoodDark.darker(130), 1.2));
    p.setBrush(kWoodDark);
    p.drawPath(frame);
    const QPainterPath leaf = Arched(9, 31, 5, 15.5);
    QLinearGradient g(9, 0, 31, 0);
    g.setColorAt(0, kWoodLight);
    g.setColorAt(1, kWood);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(leaf);
    p.save();
    p.setClipPath(leaf);
    p.setPen(QPen(kWoodDark, 0.9));
    for (double x : {14.5, 20.0, 25.5}) p.drawLine(QPointF(x, 4), QPointF(x, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(8, 13, 24, 2.2));
    p.drawRect(QRectF(8, 30, 24, 2.2));
    p.restore();
    p.setPen(Outline(kGoldDark, 0.8));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(27.5, 23), 1.9, 1.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 128));
    p.drawRect(QRectF(5, 37, 30, 3));
  });
}

QImage HoleTile(int scale) {
  QImage tile(40 * scale, 40 * scale, QImage::Format_RGB32);
  QPainter p(&tile);
  p.scale(scale, scale);
  QLinearGradient g(0, 0, 0, 40);
  g.setColorAt(0, Qt::black);
  g.setColorAt(0.25, QColor(2, 6, 24));
  g.setColorAt(1, kHoleBlue);
  p.fillRect(QRect(0, 0, 40, 40), g);
  // The far wall catches a little light near the bottom edge.
  p.fillRect(QRect(0, 38, 40, 2), kHoleBlue.lighter(125));
  return tile;
}

QImage ArrowTile(int direction, int scale) {
  return OnIce(scale, [direction](QPainter& p) {
    p.translate(20, 20);
    p.rotate(90 * direction);
    p.translate(-20, -20);
    const QPolygonF arrow = ArrowShape();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 120, 60));
    p.drawPolygon(arrow.translated(1.2, 1.2));
    QLinearGradient g(5, 0, 35, 0);
    g.setColorAt(0, kArrow.lighter(135));
    g.setColorAt(1, kArrow);
    p.setPen(Outline(kArrowDark, 1.3));
    p.setBrush(g);
    p.drawPolygon(arrow);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.drawLine(QPointF(17, 21), QPointF(17, 33));
  });
}

QImage WarpTile(int colour, int scale) {
  static const QColor kPads[4] = {{222, 40, 40}, {40, 96, 230}, {36, 168, 60}, {246, 140, 20}};
  const QColor pad = kPads[colour];
  return OnIce(scale, [pad, colour](QPainter& p) {
    const QPointF c(20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 120, 60));
    p.drawEllipse(c + QPointF(1.2, 1.4), 16.5, 16.5);
    QRadialGradient g(c - QPointF(5, 5), 22);
    g.setColorAt(0, pad.lighter(150));
    g.setColorAt(0.6, pad);
    g.setColorAt(1, pad.darker(140));
    p.setPen(Outline(pad.darker(220), 1.2));
    p.setBrush(g);
    p.drawEllipse(c, 16.5, 16.5);
    p.setPen(QPen(pad.lighter(160), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 13.5, 13.5);
    QLinearGradient s(0, 8, 0, 32);
    s.setColorAt(0, QColor(236, 236, 242));
    s.setColorAt(1, QColor(150, 150, 162));
    p.setPen(Outline(QColor(70, 70, 84), 1.0));
    p.setBrush(s);
    p.drawPolygon(PadSymbol(colour, c));
  });
}

}  // namespace suispo::art
