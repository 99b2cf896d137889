// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Placing the main window's frame once the window manager has told its size.
#include "app/platform/window_placement.h"

#include "app/platform/x11_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace suispo {
namespace {

constexpr int kMaxCorrections = 3;
constexpr int kLookMilliseconds = 50;
constexpr int kMaxLooks = 60;  // three seconds: a window manager answers long before
constexpr int kLooksBetweenMoves = 4;  // a move is given time to arrive before the next
constexpr int kSettledLooks = 4;

// The frame's top edge (where its title bar is) lies on a screen that shows at least half of it:
// a corner peeping in from far off cannot be dragged back.
bool OnSomeScreen(const QRect& frame) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->geometry();
    const QRect shown = area.intersected(frame);
    const bool titleShown = frame.top() >= area.top() && frame.top() <= area.bottom();
    const qint64 shownPixels = qint64(shown.width()) * shown.height();
    if (titleShown && shownPixels * 2 >= qint64(frame.width()) * frame.height()) return true;
  }
  return false;
}

}  // namespace

WindowPlacement::WindowPlacement(QWidget* window) : QObject(window), window_(window) {
  window_->installEventFilter(this);
  look_.setInterval(kLookMilliseconds);
  connect(&look_, &QTimer::timeout, this, [this] {
    if (!placing_ || ++looks_ > kMaxLooks) {
      look_.stop();
      return;
    }
    Correct();
  });
}

void WindowPlacement::Place(QPoint position) {
  const QRect frame(position, window_->frameGeometry().size().expandedTo(window_->sizeHint()));
  // Far-off values are kept away from the arithmetic of the frame's corners.
  const bool reachable = position.x() > -(1 << 20) && position.x() < (1 << 20) && position.y() > -(1 << 20) &&
                         position.y() < (1 << 20) && OnSomeScreen(frame);
  placed_ = reachable ? position : QPoint(0, 0);
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    // A Wayland client cannot place its window nor learn where it is: the stored position is
    // written back as it was read, and nothing of X is asked.
    placed_ = position;
    placing_ = true;
    return;
  }
  placing_ = true;
  corrections_ = 0;
  looks_ = 0;
  settledLooks_ = 0;
  window_->move(placed_);
}

QPoint WindowPlacement::FramePosition() const {
  if (placing_) return placed_;
  // The server's word: the toolkit's idea of the frame may be from before the window manager's.
  return X11FramePosition(window_).value_or(window_->frameGeometry().topLeft());
}

void WindowPlacement::Correct() {
  if (!window_->isVisible()) return;
  // Without a window manager that reports frames, the client area is the frame and is in place.
  const std::optional<QPoint> frame = X11FramePosition(window_);
  if (!frame) return;
  if (*frame == placed_) {
    // Done once the frame has stayed in place for a while: a window manager still busy with a new
    // window may move it once more.
    if (++settledLooks_ >= kSettledLooks) placing_ = false;
    return;
  }
  settledLooks_ = 0;
  if (corrections_ >= kMaxCorrections || looks_ % kLooksBetweenMoves != 0) return;
  ++corrections_;
  // The client area is moved, not the frame: window managers agree on where a client area goes.
  if (const std::optional<QPoint> client = X11ClientPosition(window_)) {
    window_->windowHandle()->setPosition(placed_ + (*client - *frame));
  }
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (placing_ && watched == window_ && event->type() == QEvent::Show) look_.start();
  return QObject::eventFilter(watched, event);
}

}  // namespace suispo
