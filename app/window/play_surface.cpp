// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Painting the changed part of the surface image, and the event pass between animation frames.
#include "app/window/play_surface.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

#include "assets/atlas_map.h"

namespace suispo {

PlaySurface::PlaySurface(QWidget* parent) : QWidget(parent) {
  setGeometry(0, 0, atlas::kSurfaceWidth, atlas::kSurfaceHeight);
  // The whole widget is covered by the picture: skip Qt's background fill.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlaySurface::Update(const QRect& surfaceRect) {
  if (zoom_ == 1) {
    update(surfaceRect);
  } else {
    update(QRectF(QPointF(surfaceRect.topLeft()) * zoom_, QSizeF(surfaceRect.size()) * zoom_).toAlignedRect());
  }
}

void PlaySurface::ProcessEvents() { QCoreApplication::processEvents(); }

void PlaySurface::paintEvent(QPaintEvent* event) {
  if (surface_ == nullptr || surface_->isNull()) return;  // nothing drawn yet
  QPainter painter(this);
  const QRect part = event->rect();
  const double perUnit = surface_->devicePixelRatio() / zoom_;  // surface pixels per widget unit
  if (perUnit == 1 && zoom_ == 1) {
    painter.drawImage(part.topLeft(), *surface_, part);
    return;
  }
  // Where the surface's pixels and the screen's do not meet one to one, Qt scales smoothly.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF source(QPointF(part.topLeft()) * perUnit, QSizeF(part.size()) * perUnit);
  painter.drawImage(QRectF(part), *surface_, source);
}

}  // namespace suispo
