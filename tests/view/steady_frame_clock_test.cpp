// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The real-time clock paces frames at 1/60 s.
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "view/steady_frame_clock.h"

namespace suispo {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

TEST(SteadyFrameClockTest, FramesFollowAtMostSixtyASecond) {
  SteadyFrameClock clock;
  clock.WaitFrame();  // the first frame does not wait for anything before it
  const auto start = Clock::now();
  for (int i = 0; i < 6; ++i) clock.WaitFrame();
  EXPECT_GE(Clock::now() - start, milliseconds(95));  // 6 frames of 16.7 ms, less the first's rounding
}

TEST(SteadyFrameClockTest, FrameAfterAPauseIsNotDelayed) {
  SteadyFrameClock clock;
  clock.WaitFrame();
  std::this_thread::sleep_for(milliseconds(40));
  const auto start = Clock::now();
  clock.WaitFrame();
  EXPECT_LT(Clock::now() - start, milliseconds(10));
}

}  // namespace
}  // namespace suispo
