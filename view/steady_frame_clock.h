// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's real-time frame clock: a slide or warp frame at most every 1/60 s, holds by sleeping.
#pragma once

#include <chrono>

#include "view/board_view.h"

namespace suispo {

class SteadyFrameClock : public FrameClock {
 public:
  void WaitFrame() override;
  void Sleep(int ms) override;

 private:
  std::chrono::steady_clock::time_point lastFrame_{};
};

}  // namespace suispo
