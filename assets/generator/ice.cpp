// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The floor tile painted as a bevel and a glossy surface; the inner square cut from it.
#include "assets/generator/ice.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include "assets/generator/palette.h"
#include "assets/generator/supersample.h"

namespace suispo::art {

namespace {

void PaintBevel(QPainter& p) {
  // Four trapezoids: light from the top left, shade to the bottom right.
  const QPolygonF top{{{0, 0}, {48, 0}, {44, 4}, {4, 4}}};
  const QPolygonF left{{{0, 0}, {4, 4}, {4, 44}, {0, 48}}};
  const QPolygonF bottom{{{0, 48}, {4, 44}, {44, 44}, {48, 48}}};
  const QPolygonF right{{{48, 0}, {48, 48}, {44, 44}, {44, 4}}};
  p.setPen(Qt::NoPen);
  p.setBrush(kIceBevelLight);
  p.drawPolygon(top);
  p.setBrush(kIceBevelLight.darker(104));
  p.drawPolygon(left);
  p.setBrush(kIceBevelDark);
  p.drawPolygon(bottom);
  p.setBrush(kIceBevelDark.lighter(112));
  p.drawPolygon(right);
  // A thin seam so neighbouring tiles read as separate slabs.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 188, 214), 0.6));
  p.drawRect(QRectF(0.3, 0.3, 47.4, 47.4));
}

void PaintSurface(QPainter& p) {
  QLinearGradient g(4, 4, 44, 44);
  g.setColorAt(0, kIce.lighter(104));
  g.setColorAt(1, kIceDeep);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(QRectF(4, 4, 40, 40));
  p.save();
  p.setClipRect(QRectF(4, 4, 40, 40));
  // Two faint glints across the slab.
  QColor glint = kIceGlint;
  glint.setAlpha(120);
  p.setBrush(glint);
  p.drawPolygon(QPolygonF{{{8, 30}, {30, 8}, {34, 8}, {12, 30}}});
  glint.setAlpha(80);
  p.setBrush(glint);
  p.drawPolygon(QPolygonF{{{14, 38}, {38, 14}, {40, 14}, {16, 38}}});
  p.restore();
}

}  // namespace

QImage FloorTile(int scale) {
  QImage tile = Supersample(
      48, 48,
      [](QPainter& p) {
        PaintSurface(p);
        PaintBevel(p);
      },
      scale);
  return OverGround(tile, kIce);
}

QImage PlainIce(int scale) { return FloorTile(scale).copy(4 * scale, 4 * scale, 40 * scale, 40 * scale); }

}  // namespace suispo::art
