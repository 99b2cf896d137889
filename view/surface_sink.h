// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where the board view's play surface goes: the window on screen, or nowhere for a saved picture.
#pragma once

#include <QRect>

namespace suispo {

// Where the play surface is shown: the window repaints a changed region and lets events through.
class SurfaceSink {
 public:
  virtual ~SurfaceSink() = default;
  virtual void Update(const QRect& surfaceRect) = 0;  // schedule a repaint of that part of the surface
  virtual void ProcessEvents() = 0;                   // between animation frames
};

}  // namespace suispo
