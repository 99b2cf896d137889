// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Comparing a picture drawn at 2x or 3x with its 1x form, and telling a sharp one from a doubled one.
#pragma once

#include <QImage>
#include <cstdlib>

namespace suispo::test {

// The mean difference per colour channel (0 to 255) between a large picture scaled smoothly down to
// the small one's size and the small one.
inline double MeanDifferenceAt1x(const QImage& large, const QImage& small) {
  const QImage down = large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_RGB32);
  const QImage ref = small.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int y = 0; y < ref.height(); ++y) {
    for (int x = 0; x < ref.width(); ++x) {
      const QRgb a = down.pixel(x, y), b = ref.pixel(x, y);
      sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
  }
  return sum / (3.0 * ref.width() * ref.height());
}

// The share of the aligned 2 x 2 blocks whose four pixels are one colour: 1 for a 1x picture with
// every pixel doubled.
inline double UniformBlockShare(const QImage& image) {
  int uniform = 0, blocks = 0;
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb c = image.pixel(x, y);
      uniform += (image.pixel(x + 1, y) == c && image.pixel(x, y + 1) == c && image.pixel(x + 1, y + 1) == c) ? 1 : 0;
      ++blocks;
    }
  }
  return blocks == 0 ? 0 : double(uniform) / blocks;
}

}  // namespace suispo::test
