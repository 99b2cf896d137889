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

  void Update(const QRect& surfaceRect) override;
  void ProcessEvents() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* surface_ = nullptr;
};

}  // namespace suispo
