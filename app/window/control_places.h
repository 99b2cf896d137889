// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// ControlPlaces: controls kept with their places of the layout table and their fonts at 100 %, set
// again at every zoom.
#pragma once

#include <vector>

#include "app/platform/ui_fonts.h"
#include "assets/play_screen_layout.h"

class QWidget;

namespace suispo {

// What a control's font is at 100 %; the zoom multiplies it.
struct FontSpec {
  int pixels = 0;  // 0: the font of the window
  bool bold = false;
  bool fixedPitch = false;
};

class ControlPlaces {
 public:
  explicit ControlPlaces(const UiFonts& fonts) : fonts_(fonts) {}

  // Keeps the control to be put at place, with font, by Apply.
  void Place(QWidget* control, layout::Rect place, FontSpec font = {});
  // Every kept control at its place and font at the zoom (1 for 100 %).
  void Apply(double zoom) const;

 private:
  struct PlacedControl {
    QWidget* control;
    layout::Rect place;
    FontSpec font;
  };
  const UiFonts& fonts_;
  std::vector<PlacedControl> placed_;
};

}  // namespace suispo
