// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainImage on screen: paints the board view's play surface and repaints what the drawing changed.
#pragma once

#include <QWidget>

#include "view/board_view.h"

namespace suispo {

class PlaySurface : public QWidget, public SurfaceSink {
 public:
  explicit PlaySurface(QWidget* parent);

  // The picture to show (a null image until the first drawing); owned by the board view, which
  // outlives this widget's painting.
  void SetSurface(const QImage* surface) { surface_ = surface; }
  // The widget shows the surface at this zoom (1 for 100 %); the surface's own scale is its device
  // pixel ratio.
  void SetZoom(double zoom) { zoom_ = zoom; }

  void Update(const QRect& surfaceRect) override;
  void ProcessEvents() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* surface_ = nullptr;
  double zoom_ = 1;
};

}  // namespace suispo
