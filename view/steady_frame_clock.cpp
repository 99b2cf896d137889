// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Frame pacing with the steady clock, so a slide runs at the same speed on any machine.
#include "view/steady_frame_clock.h"

#include <thread>

namespace suispo {

void SteadyFrameClock::WaitFrame() {
  using namespace std::chrono;
  constexpr auto kFrame = duration_cast<steady_clock::duration>(duration<double>(1.0 / 60.0));
  const auto due = lastFrame_ + kFrame;
  const auto now = steady_clock::now();
  if (now < due) {
    std::this_thread::sleep_until(due);
    lastFrame_ = due;  // keeps an even cadence when drawing is faster than the frame
  } else {
    lastFrame_ = now;  // the first frame after a pause is not delayed
  }
}

void SteadyFrameClock::Sleep(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace suispo
