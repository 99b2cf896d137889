// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Rounding the layout to a zoom, choosing a zoom that fits, and pictures at the device's pixels.
#include "app/window/window_zoom.h"

#include <algorithm>
#include <cmath>

#include "app/store/stage_store.h"
#include "app/window/transparent_ground.h"

namespace suispo {

QRect Zoomed(layout::Rect r, double zoom) {
  // Edges, not sizes, are rounded, so neighbouring controls stay neighbours at 150 %.
  const auto at = [zoom](int v) { return static_cast<int>(std::lround(v * zoom)); };
  return QRect(QPoint(at(r.left), at(r.top)), QPoint(at(r.right) - 1, at(r.bottom) - 1));
}

int Zoomed(int pixels, double zoom) { return std::max(1, static_cast<int>(std::lround(pixels * zoom))); }

bool ZoomFits(int step, QSize room, QSize atHundred) {
  return atHundred.width() * step <= room.width() * 100 && atHundred.height() * step <= room.height() * 100;
}

int FittingZoom(int wanted, QSize room, QSize atHundred) {
  int best = 100;
  for (const int step : kZoomSteps) {
    if (step <= wanted && ZoomFits(step, room, atHundred)) best = step;
  }
  return best;
}

QPixmap ZoomedPicture(const assets::Picture& picture, double zoom, double deviceRatio) {
  const double ratio = zoom * deviceRatio;
  QPixmap shown = WithTransparentGround(assets::ReadPicture(picture, assets::PaintedScaleFor(ratio)));
  const QSize device(Zoomed(picture.width, ratio), Zoomed(picture.height, ratio));
  if (shown.size() != device) shown = shown.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  shown.setDevicePixelRatio(deviceRatio);
  return shown;
}

}  // namespace suispo
