// Small pixel helpers shared by the picture tests.
#pragma once

#include <QImage>
#include <functional>

#include "view/atlas_map.h"

namespace suispo::test {

inline bool IsRgb(QRgb c, int r, int g, int b) { return qRed(c) == r && qGreen(c) == g && qBlue(c) == b; }
inline bool IsBlack(QRgb c) { return IsRgb(c, 0, 0, 0); }
inline bool IsWhite(QRgb c) { return IsRgb(c, 255, 255, 255); }
inline bool IsSilver(QRgb c) { return IsRgb(c, 192, 192, 192); }

inline QImage Crop(const QImage& image, const atlas::Rect& r) {
  return image.copy(r.left, r.top, r.width(), r.height());
}

// Average of (r + g + b) / 3 over a rectangle.
inline double MeanLevel(const QImage& image, const atlas::Rect& r) {
  double sum = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const QRgb c = image.pixel(x, y);
      sum += (qRed(c) + qGreen(c) + qBlue(c)) / 3.0;
    }
  }
  return sum / (r.width() * r.height());
}

inline int CountPixels(const QImage& image, const std::function<bool(QRgb)>& pick) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += pick(image.pixel(x, y)) ? 1 : 0;
  }
  return n;
}

}  // namespace suispo::test
