// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Puts a top-level window's outer frame at a stored position and tells where the frame is at close.
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QWidget;

namespace suispo {

// Before a window is shown nobody knows its frame's size, so a window system may put the client
// area where the frame was asked for. Once the window manager reports the frame (the frame is then
// larger than the client area), the client area is moved so that the frame is where it belongs.
class WindowPlacement : public QObject {
 public:
  explicit WindowPlacement(QWidget* window);

  // Before the window is shown: the frame's top-left corner goes to position, or to (0, 0) when a
  // frame of the window's size there would lie wholly outside every screen.
  void Place(QPoint position);
  // The frame's top-left corner now; the placed position itself while the window was not moved
  // since it was placed, so a stored position is written back unchanged.
  QPoint FramePosition() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Correct();

  QWidget* window_;
  QPoint placed_;
  bool placing_ = false;   // between Place and the frame's first correct place
  int corrections_ = 0;    // a window manager that keeps the frame elsewhere is not fought forever
  // The frame's size comes with no event of its own: it is looked at a few times after the show.
  QTimer look_;
  int looks_ = 0;
  int settledLooks_ = 0;  // looks in a row that found the frame in place
};

}  // namespace suispo
