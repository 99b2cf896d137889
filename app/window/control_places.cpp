// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Controls at their zoomed places and fonts.
#include "app/window/control_places.h"

#include <QWidget>

#include "app/window/window_zoom.h"

namespace suispo {

void ControlPlaces::Place(QWidget* control, layout::Rect place, FontSpec font) {
  placed_.push_back({control, place, font});
}

void ControlPlaces::Apply(double zoom) const {
  for (const PlacedControl& placed : placed_) {
    placed.control->setGeometry(Zoomed(placed.place, zoom));
    if (placed.font.pixels == 0) continue;
    const int pixels = Zoomed(placed.font.pixels, zoom);
    placed.control->setFont(placed.font.fixedPitch ? fonts_.Fixed(pixels)
                                                   : fonts_.Proportional(pixels, placed.font.bold));
  }
}

}  // namespace suispo
