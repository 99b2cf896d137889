// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The background painted: marble, then a bevelled recess for each panel and box, and crystals.
#include "assets/generator/play_background.h"

#include <QLinearGradient>
#include <QPainter>

#include <utility>

#include "assets/generator/lettering.h"
#include "assets/generator/marble.h"
#include "assets/generator/palette.h"
#include "assets/atlas_map.h"
#include "assets/play_screen_layout.h"

namespace suispo::art {

namespace {

QRectF Around(const atlas::Rect& r, double margin) {
  return QRectF(r.left - margin, r.top - margin, r.width() + 2 * margin, r.height() + 2 * margin);
}

// A panel sunk into the stone: dark floor, shadowed upper-left rim, lit lower-right rim.
void Recess(QPainter& p, const QRectF& area, double radius, const QColor& floor = kPanel) {
  QLinearGradient fill(area.topLeft(), area.bottomLeft());
  fill.setColorAt(0, floor.darker(135));
  fill.setColorAt(1, floor);
  QLinearGradient rim(area.topLeft(), area.bottomRight());
  rim.setColorAt(0, QColor(70, 70, 78));
  rim.setColorAt(0.5, QColor(120, 120, 128));
  rim.setColorAt(1, QColor(252, 252, 255));
  p.setPen(QPen(QBrush(rim), 2));
  p.setBrush(fill);
  p.drawRoundedRect(area.adjusted(1, 1, -1, -1), radius, radius);
}

// A faint six-armed ice crystal, set in the empty middle of the move-button cross.
void Crystal(QPainter& p, QPointF centre, double r) {
  p.save();
  p.translate(centre);
  p.setPen(QPen(QColor(120, 150, 190, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int arm = 0; arm < 6; ++arm) {
    p.drawLine(QPointF(0, 0), QPointF(0, -r));
    p.drawLine(QPointF(0, -r * 0.55), QPointF(r * 0.28, -r * 0.8));
    p.drawLine(QPointF(0, -r * 0.55), QPointF(-r * 0.28, -r * 0.8));
    p.rotate(60);
  }
  p.restore();
}

}  // namespace

QImage PlayBackground(int scale) {
  QImage surface = Marble(atlas::kSurfaceWidth, atlas::kSurfaceHeight, scale);
  QPainter p(&surface);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);

  // Left: the name plate slot and the board, each in a snug frame.
  Recess(p, Around(atlas::kBannerSlot, 3), 2);
  Recess(p, Around(atlas::kBoardSlot, 4), 3);

  // Right: the title, then the panels of the buttons, and each figure's dark box. The captions are
  // left to the view, which letters them in the player's language (view/figure_captions.h).
  PaintLettering(p, QRectF(328, 2, 172, 50));
  for (const layout::Panel& panel : layout::kPanels) Recess(p, Around(panel.area, 0), panel.radius);
  Crystal(p, QPointF(layout::kCrystalX, layout::kCrystalY), 14);
  for (const layout::Figure& figure : layout::kFigures) {
    Recess(p, Around(figure.digits, layout::kFigureFrame), 4, QColor(14, 16, 22));  // white digits go here
  }
  return surface;
}

}  // namespace suispo::art
