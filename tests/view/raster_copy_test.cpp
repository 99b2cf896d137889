// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The row copies equal QPainter's raster operations bit for bit, clipped the same way.
#include <QPainter>
#include <random>

#include <gtest/gtest.h>

#include "view/raster_copy.h"

namespace suispo {
namespace {

QImage Noise(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(random() & 0xff, random() & 0xff, random() & 0xff));
  return image;
}

QImage ByPainter(QImage dst, QPoint to, const QImage& src, const QRect& from, QPainter::CompositionMode mode) {
  QPainter painter(&dst);
  painter.setCompositionMode(mode);
  painter.drawImage(to, src, from);
  return dst;
}

TEST(RasterCopyTest, EqualsThePainterRasterOperations) {
  const QImage src = Noise(60, 50, 1);
  const QImage base = Noise(80, 70, 2);
  const struct {
    RasterOp op;
    QPainter::CompositionMode mode;
  } cases[] = {{RasterOp::kCopy, QPainter::CompositionMode_Source},
               {RasterOp::kAnd, QPainter::RasterOp_SourceAndDestination},
               {RasterOp::kOr, QPainter::RasterOp_SourceOrDestination}};
  // Inside, and hanging over each side of the destination.
  const QPoint places[] = {{7, 9}, {-13, 5}, {60, 40}, {3, -20}};
  for (const auto& c : cases) {
    for (const QPoint to : places) {
      const QRect from(5, 6, 40, 33);
      QImage mine = base;
      RasterCopy(mine, to, src, from, c.op);
      EXPECT_EQ(mine, ByPainter(base, to, src, from, c.mode)) << int(c.op) << " at " << to.x() << "," << to.y();
    }
  }
}

TEST(RasterCopyTest, SourceOutsideItsImageCopiesOnlyThePartInside) {
  const QImage src = Noise(20, 20, 3);
  const QImage base = Noise(40, 40, 4);
  QImage dst = base;
  RasterCopy(dst, {10, 10}, src, QRect(-4, 15, 10, 10), RasterOp::kCopy);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool copied = x >= 14 && x < 20 && y >= 10 && y < 15;
      ASSERT_EQ(dst.pixel(x, y), copied ? src.pixel(x - 14, y + 5) : base.pixel(x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace suispo
