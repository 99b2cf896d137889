// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Scaling the waits of the animations and ending the holds on a press.
#include "app/window/animation_pace.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace suispo {

namespace {

constexpr int kSliceMs = 10;  // how long a press may wait to end a hold

}  // namespace

AnimationPace::AnimationPace(FrameClock& clock) : clock_(clock) {
  if (QCoreApplication* application = QCoreApplication::instance()) application->installEventFilter(this);
}

void AnimationPace::WaitFrame() {
  ++frames_;
  if (speed_ == AnimationSpeed::kNormal || (speed_ == AnimationSpeed::kFast && frames_ % 2 == 0)) clock_.WaitFrame();
}

void AnimationPace::Sleep(int ms) {
  holding_ = true;
  int left = speed_ == AnimationSpeed::kNone ? 0 : speed_ == AnimationSpeed::kFast ? ms / 2 : ms;
  while (left > 0 && !skipped_) {
    const int slice = std::min(left, kSliceMs);
    clock_.Sleep(slice);
    left -= slice;
    QCoreApplication::processEvents();
  }
}

void AnimationPace::MoveEnded() {
  holding_ = false;
  skipped_ = false;
}

bool AnimationPace::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool press = type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
                     type == QEvent::MouseButtonDblClick || type == QEvent::ShortcutOverride;
  // Presses are taken where they reach their widget; the menus keep working as between frames.
  auto* widget = qobject_cast<QWidget*>(watched);
  const bool menu = widget != nullptr && (qobject_cast<QMenuBar*>(widget) != nullptr || qobject_cast<QMenu*>(widget->window()) != nullptr);
  if (!holding_ || !press || widget == nullptr || menu) return QObject::eventFilter(watched, event);
  // The press ends the animation and goes no further: it was meant for the animation.
  if (type != QEvent::ShortcutOverride) skipped_ = true;
  event->accept();
  return true;
}

}  // namespace suispo
