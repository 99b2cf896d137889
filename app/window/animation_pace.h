// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The animations at the pace the player chose, and a click or key that ends a victory or fall at once.
#pragma once

#include <QObject>

#include "app/store/stage_store.h"
#include "view/frame_clock.h"

namespace suispo {

// Stands between the drawing and the real clock: the drawing keeps every frame of every animation,
// only the waits change. Installed on the application, it sees every press while a hold runs.
class AnimationPace : public QObject, public FrameClock {
 public:
  explicit AnimationPace(FrameClock& clock);

  void SetSpeed(AnimationSpeed speed) { speed_ = speed; }
  AnimationSpeed speed() const { return speed_; }

  // kNone: no wait; kFast: a wait every other frame; kNormal: every frame.
  void WaitFrame() override;
  // A hold, halved when fast and none at all when off. It lets events through in short slices, so
  // a press ends it and every hold after it until the move returns.
  void Sleep(int ms) override;
  // The move whose animation held has returned: presses act on the window again.
  void MoveEnded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FrameClock& clock_;
  AnimationSpeed speed_ = AnimationSpeed::kNormal;
  bool holding_ = false;  // from a move's first hold until the move returns
  bool skipped_ = false;  // a press ended the holds of this move
  int frames_ = 0;
};

}  // namespace suispo
