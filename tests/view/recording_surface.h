// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A frame clock and surface sink that record every call and keep the surface as each frame shows it.
#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "view/board_view.h"

namespace suispo::test {

class RecordingSurface : public FrameClock, public SurfaceSink {
 public:
  void WaitFrame() override { calls.push_back("wait"); }
  void Sleep(int ms) override { calls.push_back("sleep " + std::to_string(ms)); }
  void Update(const QRect& r) override {
    calls.push_back("update " + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                    std::to_string(r.width()) + "x" + std::to_string(r.height()));
  }
  void ProcessEvents() override {
    calls.push_back("events");
    if (view != nullptr) frames.push_back(view->surface());
  }

  const BoardView* view = nullptr;  // set once the view exists
  std::vector<std::string> calls;
  std::vector<QImage> frames;  // the surface at each ProcessEvents
};

inline const std::string kUpdateBoard = "update 16,45 296x296";
inline const std::string kUpdateBanner = "update 16,14 297x21";

}  // namespace suispo::test
