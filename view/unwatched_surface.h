// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Pacing and showing for drawing that nobody watches (pictures saved by the stage tool, the benchmark).
#pragma once

#include "view/board_view.h"

namespace suispo {

// Frames follow each other at once and holds take no time: only the final picture counts.
class NoWaitClock : public FrameClock {
 public:
  void WaitFrame() override {}
  void Sleep(int) override {}
};

class NoScreen : public SurfaceSink {
 public:
  void Update(const QRect&) override {}
  void ProcessEvents() override {}
};

}  // namespace suispo
