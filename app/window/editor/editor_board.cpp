// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's board: the board slot of the play surface drawn at the zoom, the cursor, the pointer.
#include "app/window/editor/editor_board.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "assets/atlas_map.h"
#include "view/board_geometry.h"

namespace suispo {

namespace {

constexpr atlas::Rect kSlot = atlas::kBoardSlot;

}  // namespace

EditorBoard::EditorBoard(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
}

void EditorBoard::SetCursor(Cell cursor) {
  cursor_ = cursor;
  update();
}

void EditorBoard::ShowCursor(bool shown) {
  cursorShown_ = shown;
  update();
}

void EditorBoard::Update(const QRect&) { update(); }

void EditorBoard::ProcessEvents() { QCoreApplication::processEvents(); }

void EditorBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (surface_ == nullptr || surface_->isNull()) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  // The board slot of the surface, whose pixels are the scale times its units.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const double ratio = surface_->devicePixelRatio();
  const QRectF source(kSlot.left * ratio, kSlot.top * ratio, kSlot.width() * ratio, kSlot.height() * ratio);
  painter.drawImage(QRectF(rect()), *surface_, source);
  if (!cursorShown_) return;
  const QRectF square(CellOrigin(cursor_.x) * zoom_, CellOrigin(cursor_.y) * zoom_, kCellSide * zoom_,
                      kCellSide * zoom_);
  painter.setPen(QPen(QColor(255, 216, 74), std::max(2.0, 2 * zoom_)));
  painter.drawRect(square.adjusted(1, 1, -1, -1));
}

bool EditorBoard::PointAt(QPointF position, Point& at) const {
  const double x = position.x() / zoom_;
  const double y = position.y() / zoom_;
  // Each cell owns the 48 x 48 square from its edge band before it; the band's 8 pixels sit left and above.
  const int column = static_cast<int>(std::floor((x - 4) / kCellPitch));
  const int row = static_cast<int>(std::floor((y - 4) / kCellPitch));
  if (!OnBoard(column, row)) return false;
  at.cell = {column, row};
  const double left = x - CellOrigin(column);
  const double top = y - CellOrigin(row);
  const double distances[4] = {top, kCellSide - left, kCellSide - top, left};
  at.nearestSide = static_cast<int>(std::min_element(std::begin(distances), std::end(distances)) - std::begin(distances));
  return true;
}

void EditorBoard::Report(QMouseEvent* event, bool first) {
  const bool clear = (event->buttons() & Qt::RightButton) != 0;
  if (!clear && (event->buttons() & Qt::LeftButton) == 0) return;
  Point at;
  if (!PointAt(event->position(), at) || !paint_) return;
  SetCursor(at.cell);
  paint_(at, clear, first);
}

void EditorBoard::mousePressEvent(QMouseEvent* event) {
  setFocus();
  Report(event, true);
}

void EditorBoard::mouseMoveEvent(QMouseEvent* event) { Report(event, false); }

}  // namespace suispo
