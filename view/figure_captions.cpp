// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Caption lettering for the play screen's figures, drawn as the art generator draws its lettering.
#include "view/figure_captions.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "assets/play_screen_layout.h"

namespace suispo {
namespace {

// The caption's outline path centred in box: a dark brown rim under an orange gradient.
void Letter(QPainter& p, const QRectF& box, const QString& text, int pixelSize) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(pixelSize);
  font.setBold(true);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF b = path.boundingRect();
  path.translate(box.center() - b.center());
  p.setPen(QPen(QColor(60, 24, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  QLinearGradient g(0, box.top(), 0, box.bottom());
  g.setColorAt(0, QColor(255, 200, 80));
  g.setColorAt(1, QColor(255, 130, 20));
  p.setBrush(g);
  p.drawPath(path);
}

}  // namespace

QString FigureCaption(std::size_t figure) {
  return QCoreApplication::translate("PlayScreen", layout::kFigures.at(figure).caption);
}

QImage WithFigureCaptions(QImage background, int scale) {
  // Lettered on the surface's opaque format, as the generator painted its pictures.
  background = background.convertToFormat(QImage::Format_RGB32);
  // Painted in the picture's own pixels: a picture read from "name@2x.png" says its ratio is 2.
  const qreal ratio = background.devicePixelRatio();
  background.setDevicePixelRatio(1);
  QPainter p(&background);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < layout::kFigures.size(); ++i) {
    const layout::Figure& figure = layout::kFigures[i];
    if (figure.caption[0] == '\0') continue;
    const atlas::Rect& r = figure.captionBox;
    Letter(p, QRectF(r.left, r.top, r.width(), r.height()), FigureCaption(i), figure.captionPixels);
  }
  p.end();
  background.setDevicePixelRatio(ratio);
  return background;
}

}  // namespace suispo
