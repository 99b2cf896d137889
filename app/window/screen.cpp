// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A screen over the whole client area, its controls at the zoom.
#include "app/window/screen.h"

#include "app/window/window_zoom.h"

namespace suispo {

Screen::Screen(const ScreenParts& parts)
    : QWidget(parts.client),
      store_(parts.store),
      dialogs_(parts.dialogs),
      facts_(parts.facts),
      shell_(parts.shell),
      places_(parts.fonts) {
  hide();
}

void Screen::ApplyZoom(double zoom) {
  zoom_ = zoom;
  setGeometry(0, 0, Zoomed(layout::kClientWidth, zoom), Zoomed(layout::kClientHeight, zoom));
  places_.Apply(zoom);
  ZoomChanged();
}

int Screen::PaintedScale() const { return assets::PaintedScaleFor(zoom_ * devicePixelRatioF()); }

}  // namespace suispo
