// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A frame clock that never waits; it counts frames and can act once inside the next animation frame or hold.
#pragma once

#include <functional>

#include "view/board_view.h"

namespace suispo::test {

class FakeFrameClock : public FrameClock {
 public:
  void WaitFrame() override {
    ++frames;
    if (duringNextFrame) {
      auto action = std::move(duringNextFrame);
      duringNextFrame = nullptr;
      action();
    }
  }
  void Sleep(int ms) override {
    sleptMs += ms;
    if (duringNextSleep) {
      auto action = std::move(duringNextSleep);
      duringNextSleep = nullptr;
      action();
    }
  }

  int frames = 0;
  int sleptMs = 0;
  std::function<void()> duringNextFrame;
  std::function<void()> duringNextSleep;
};

}  // namespace suispo::test
