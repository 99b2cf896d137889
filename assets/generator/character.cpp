// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The penguin painted from ovals and paths: body, belly, eyes, beak, flippers and cap, turned by facing.
#include "assets/generator/character.h"

#include <QPainterPath>
#include <QRadialGradient>

#include "assets/generator/palette.h"

namespace suispo::art {

namespace {

const QRectF kBody(6, 7, 28, 30);

QPen InkPen(double width = 1.2) {
  QPen pen(kInk, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void Oval(QPainter& p, QPointF centre, double rx, double ry, const QColor& fill, bool outline = true) {
  p.setPen(outline ? InkPen() : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawEllipse(centre, rx, ry);
}

// A flipper hanging from the shoulder at (x, y), turned by angle degrees (0 hangs straight down).
void Flipper(QPainter& p, double x, double y, double angle) {
  p.save();
  p.translate(x, y);
  p.rotate(angle);
  p.setPen(InkPen());
  p.setBrush(kCoat);
  p.drawEllipse(QRectF(-2.6, -1.5, 5.2, 12));
  p.restore();
}

void Body(QPainter& p) {
  QRadialGradient g(kBody.left() + 9, kBody.top() + 8, 24);
  g.setColorAt(0, kCoatLight);
  g.setColorAt(1, kCoat);
  p.setPen(InkPen());
  p.setBrush(g);
  p.drawEllipse(kBody);
}

// The white front, clipped to the body so it never sticks out.
void Belly(QPainter& p, const QRectF& area) {
  p.save();
  QPainterPath body;
  body.addEllipse(kBody.adjusted(0.6, 0.6, -0.6, -0.6));
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(kBelly);
  p.drawEllipse(area);
  p.restore();
}

void Eye(QPainter& p, QPointF at) {
  Oval(p, at, 1.8, 2.4, kInk, false);
  Oval(p, at + QPointF(0.6, -0.9), 0.7, 0.7, Qt::white, false);
}

void Cheek(QPainter& p, QPointF at) {
  QColor c = kCheek;
  c.setAlpha(170);
  Oval(p, at, 2.0, 1.2, c, false);
}

// The knitted cap; pompomX moves the pompom back when the head is turned.
void Cap(QPainter& p, double pompomX) {
  QPainterPath dome;
  dome.moveTo(8, 14);
  dome.arcTo(QRectF(8, 3.5, 24, 21), 180, -180);
  dome.closeSubpath();
  QLinearGradient g(0, 4, 0, 14);
  g.setColorAt(0, kCap.lighter(115));
  g.setColorAt(1, kCap);
  p.setPen(InkPen());
  p.setBrush(g);
  p.drawPath(dome);
  // Knit ribs.
  p.setPen(QPen(kCapDark, 0.7));
  for (double x : {14.0, 20.0, 26.0}) p.drawLine(QPointF(x, 6.5), QPointF(x, 12));
  p.setPen(InkPen());
  p.setBrush(kBelly);
  p.drawRoundedRect(QRectF(7, 11.5, 26, 4), 2, 2);
  Oval(p, QPointF(pompomX, 4), 3, 3, kBelly);
}

void Front(QPainter& p, Arms arms) {
  Oval(p, {14.5, 36.5}, 4.5, 2.5, kBeak);
  Oval(p, {25.5, 36.5}, 4.5, 2.5, kBeak);
  if (arms == Arms::Down) {
    Flipper(p, 8, 21, 25);
    Flipper(p, 32, 21, -25);
  }
  Body(p);
  if (arms == Arms::Raised) {
    // Raised flippers are drawn over the body's rim so they read as waving, not as ears.
    Flipper(p, 9, 21, 145);
    Flipper(p, 31, 21, -145);
  }
  Belly(p, QRectF(10, 13, 20, 24));
  Eye(p, {15.5, 19.5});
  Eye(p, {24.5, 19.5});
  Cheek(p, {12.5, 24});
  Cheek(p, {27.5, 24});
  p.setPen(InkPen(0.9));
  p.setBrush(kBeak);
  p.drawPolygon(QPolygonF{{{17.6, 22}, {22.4, 22}, {20, 25.4}}});
  Cap(p, 20);
}

void Back(QPainter& p) {
  Oval(p, {14.5, 37}, 3.6, 1.8, kBeak);
  Oval(p, {25.5, 37}, 3.6, 1.8, kBeak);
  Flipper(p, 8, 21, 25);
  Flipper(p, 32, 21, -25);
  Body(p);
  // A little tail, so the back never reads as a face.
  p.setPen(InkPen(0.9));
  p.setBrush(kCoat.darker(120));
  p.drawPolygon(QPolygonF{{{17, 34}, {23, 34}, {20, 38.5}}});
  Cap(p, 20);
  // The cap's back seam.
  p.setPen(QPen(kCapDark, 0.9));
  p.drawLine(QPointF(20, 7), QPointF(20, 11.5));
}

void East(QPainter& p) {
  Oval(p, {18.5, 36.6}, 5, 2.3, kBeak);
  Oval(p, {26, 37}, 5, 2.3, kBeak);
  Flipper(p, 9, 21, 35);
  Body(p);
  Belly(p, QRectF(20, 13, 15, 24));
  Eye(p, {28, 19.5});
  Cheek(p, {28.5, 24.5});
  p.setPen(InkPen(0.9));
  p.setBrush(kBeak);
  p.drawPolygon(QPolygonF{{{32, 19.4}, {39.2, 22.4}, {32, 25.2}}});
  // The near flipper lies along the side, swept back.
  p.save();
  p.translate(17, 21);
  p.rotate(22);
  p.setPen(InkPen());
  p.setBrush(kCoat);
  p.drawEllipse(QRectF(-2.4, 0, 4.8, 11));
  p.restore();
  Cap(p, 13);
}

}  // namespace

void PaintCharacter(QPainter& p, int facing, Arms arms) {
  p.save();
  switch (facing) {
    case 0: Back(p); break;
    case 1: East(p); break;
    case 2: Front(p, arms); break;
    default:
      // West is east seen in a mirror.
      p.translate(40, 0);
      p.scale(-1, 1);
      East(p);
      break;
  }
  p.restore();
}

}  // namespace suispo::art
