// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The title letters painted with round pens and a gradient, as the title picture and the About logotype.
#include "assets/generator/lettering.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include "assets/generator/palette.h"
#include "assets/generator/supersample.h"

namespace suispo::art {

namespace {

QPen RoundPen(const QBrush& brush, double width) {
  QPen pen(brush, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

}  // namespace

void PaintLettering(QPainter& p, const QRectF& box) {
  QFont font("IPAPGothic");
  font.setPixelSize(100);
  font.setBold(true);
  QPainterPath text;
  text.addText(0, 0, font, QString::fromUtf8("すいすいぽ。"));
  // Thick round strokes swell the thin Gothic strokes into soft, rounded letters; leave room.
  const double swell = 14;
  const QRectF bounds = text.boundingRect().adjusted(-swell, -swell, swell, swell);
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  p.save();
  p.translate(box.center());
  p.scale(scale, scale);
  p.translate(-bounds.center());

  p.setBrush(Qt::NoBrush);
  p.setPen(RoundPen(QColor(60, 30, 110, 110), 24));
  p.drawPath(text.translated(3, 4));
  p.setPen(RoundPen(Qt::white, 24));
  p.drawPath(text);
  p.setPen(RoundPen(kLetterInk, 15));
  p.drawPath(text);
  const QRectF tb = text.boundingRect();
  QLinearGradient face(0, tb.top(), 0, tb.bottom());
  face.setColorAt(0, kLetterBlue.lighter(130));
  face.setColorAt(0.5, kLetterBlue);
  face.setColorAt(1, kLetterViolet);
  p.setPen(RoundPen(face, 8));
  p.setBrush(face);
  p.drawPath(text);
  // A gloss over the upper half of each letter.
  QPainterPath gloss = QPainterPath();
  gloss.addRect(QRectF(tb.left() - swell, tb.top() - swell, tb.width() + 2 * swell,
                       tb.height() * 0.42 + swell));
  QPainterPathStroker stroker;
  stroker.setWidth(8);
  stroker.setJoinStyle(Qt::RoundJoin);
  stroker.setCapStyle(Qt::RoundCap);
  const QPainterPath body = stroker.createStroke(text).united(text);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 80));
  p.drawPath(body.intersected(gloss));
  p.restore();
}

QImage TitleLettering(int scale) {
  return OverGround(Supersample(350, 135, [](QPainter& p) { PaintLettering(p, QRectF(6, 8, 338, 119)); }, scale),
                    kSilver);
}

QImage Logotype(int scale) {
  return OverGround(Supersample(138, 53, [](QPainter& p) { PaintLettering(p, QRectF(2, 3, 134, 47)); }, scale),
                    kSilver);
}

}  // namespace suispo::art
