// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Small pixel helpers shared by the picture tests.
#pragma once

#include <QImage>
#include <QPointF>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "assets/atlas_map.h"

namespace suispo::test {

inline bool IsRgb(QRgb c, int r, int g, int b) { return qRed(c) == r && qGreen(c) == g && qBlue(c) == b; }
inline bool IsBlack(QRgb c) { return IsRgb(c, 0, 0, 0); }
inline bool IsWhite(QRgb c) { return IsRgb(c, 255, 255, 255); }
inline bool IsSilver(QRgb c) { return IsRgb(c, 192, 192, 192); }

// The largest difference of one channel (alpha too) between two pictures of one size; 256 when
// their sizes differ.
inline int LargestChannelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  }
  return largest;
}

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

// Centre of the picked pixels; (-1, -1) when none is picked.
inline QPointF Centroid(const QImage& image, const std::function<bool(QRgb)>& pick) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (pick(image.pixel(x, y))) sx += x, sy += y, ++n;
    }
  }
  return n == 0 ? QPointF(-1, -1) : QPointF(sx / n, sy / n);
}

// Which way an arrow of picked pixels points (0 up, 1 right, 2 down, 3 left): its head is wider
// across than its shaft, so the half holding the widest cross-section is the half it points to.
inline int PointsTo(const QImage& image, const std::function<bool(QRgb)>& pick) {
  const int w = image.width(), h = image.height();
  int top = 0, bottom = 0, left = 0, right = 0;
  for (int y = 0; y < h; ++y) {
    int n = 0;
    for (int x = 0; x < w; ++x) n += pick(image.pixel(x, y)) ? 1 : 0;
    if (2 * y == h - 1) continue;  // the middle line belongs to neither half
    int& half = 2 * y < h - 1 ? top : bottom;
    half = std::max(half, n);
  }
  for (int x = 0; x < w; ++x) {
    int n = 0;
    for (int y = 0; y < h; ++y) n += pick(image.pixel(x, y)) ? 1 : 0;
    if (2 * x == w - 1) continue;
    int& half = 2 * x < w - 1 ? left : right;
    half = std::max(half, n);
  }
  if (std::abs(top - bottom) > std::abs(left - right)) return top > bottom ? 0 : 2;
  return right > left ? 1 : 3;
}

}  // namespace suispo::test
