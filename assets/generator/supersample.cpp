// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Painting into a four-times image and scaling it down smoothly; laying a picture over a ground.
#include "assets/generator/supersample.h"

namespace suispo::art {

namespace {
constexpr int kFactor = 4;
}

QImage Supersample(int w, int h, const PaintFn& paint, int scale) {
  QImage big(w * scale * kFactor, h * scale * kFactor, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kFactor * scale, kFactor * scale);
    paint(p);
  }
  return big.scaled(w * scale, h * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage OverGround(const QImage& picture, const QColor& ground) {
  QImage out(picture.size(), QImage::Format_RGB32);
  out.fill(ground);
  QPainter p(&out);
  p.drawImage(0, 0, picture);
  return out;
}

QImage OverImage(const QImage& picture, const QImage& ground) {
  QImage out = ground.convertToFormat(QImage::Format_RGB32);
  QPainter p(&out);
  p.drawImage(0, 0, picture);
  return out;
}

}  // namespace suispo::art
