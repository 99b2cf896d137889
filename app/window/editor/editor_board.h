// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// EditorBoard: the stage editor's board on screen, the board part of the game's own drawing at the zoom,
// with the keyboard's cursor; a press or drag reports the cell and the edge nearest the pointer.
#pragma once

#include <functional>

#include <QWidget>

#include "core/rules/rules.h"
#include "view/surface_sink.h"

namespace suispo {

class EditorBoard : public QWidget, public SurfaceSink {
 public:
  // Where the pointer is: its cell and the side of that cell whose edge lies nearest.
  struct Point {
    Cell cell;
    int nearestSide = kNorth;
  };
  // clear: the right button; first: the press that starts a drag (the moves after it are not).
  using Paint = std::function<void(const Point& at, bool clear, bool first)>;

  explicit EditorBoard(QWidget* parent);
  // The game's play surface (a null image until the first drawing), owned by the board view.
  void SetSurface(const QImage* surface) { surface_ = surface; }
  void SetZoom(double zoom) { zoom_ = zoom; }
  void OnPaint(Paint paint) { paint_ = std::move(paint); }
  void SetCursor(Cell cursor);
  Cell cursor() const { return cursor_; }
  // The cursor hidden while a solution plays.
  void ShowCursor(bool shown);

  void Update(const QRect& surfaceRect) override;
  void ProcessEvents() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The cell and nearest side under a widget position; none off the cells' squares and bands.
  bool PointAt(QPointF position, Point& at) const;
  void Report(QMouseEvent* event, bool first);

  const QImage* surface_ = nullptr;
  double zoom_ = 1;
  Cell cursor_;
  bool cursorShown_ = true;
  Paint paint_;
};

}  // namespace suispo
