// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The animations' pace: the game waits in real time, tests and tools count frames.
#pragma once

namespace suispo {

// Paces and holds the frames of the animations; the game uses real time, tests count.
class FrameClock {
 public:
  virtual ~FrameClock() = default;
  virtual void WaitFrame() = 0;   // returns once at least 1/60 s has passed since the last frame
  virtual void Sleep(int ms) = 0;  // a hold: waits without processing events
};

}  // namespace suispo
