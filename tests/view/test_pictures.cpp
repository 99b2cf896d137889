// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The tests' own atlas and background, and pixel comparisons.
#include "tests/view/test_pictures.h"


namespace suispo::test {

namespace {

QRgb Pattern(int id, int u, int v) { return qRgb(30 + 8 * id, (3 * u) & 0xff, (5 * v) & 0xff); }

void FillPattern(QImage& image, atlas::Rect r, int id) {
  for (int v = 0; v < r.height(); ++v)
    for (int u = 0; u < r.width(); ++u) image.setPixel(r.left + u, r.top + v, Pattern(id, u, v));
}

}  // namespace

QRgb FigurePixel(int facing, int u, int v) { return qRgb(100 + 40 * facing, 50 + 4 * v, 4 * u); }

QImage TestAtlas() {
  QImage atlas(atlas::kWidth, atlas::kHeight, QImage::Format_RGB32);
  atlas.fill(Qt::black);
  for (int f = 0; f < 4; ++f) {
    const atlas::Rect sprite = atlas::Sprite(f);
    const atlas::Rect mask = atlas::Mask(f);
    for (int v = 0; v < 40; ++v) {
      for (int u = 0; u < 40; ++u) {
        const bool figure = kFigureBox.contains(u, v);
        atlas.setPixel(sprite.left + u, sprite.top + v, figure ? FigurePixel(f, u, v) : qRgb(0, 0, 0));
        atlas.setPixel(mask.left + u, mask.top + v, figure ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
      }
    }
  }
  FillPattern(atlas, atlas::kFloorTile, 1);
  for (int kind = 1; kind <= 11; ++kind) FillPattern(atlas, atlas::ContentTile(kind), 1 + kind);
  FillPattern(atlas, atlas::kVictoryA, 13);
  FillPattern(atlas, atlas::kVictoryB, 14);
  for (int i = 0; i < 4; ++i) FillPattern(atlas, atlas::FallFrame(i), 15 + i);
  FillPattern(atlas, atlas::kNamePlate, 19);
  FillPattern(atlas, atlas::kClearBanner, 20);
  FillPattern(atlas, atlas::kMissBanner, 21);
  // The wall corner: one pattern over the 56 x 56 frame, so each strip is told by its rows or columns.
  FillPattern(atlas, {328, 199, 384, 255}, 22);
  for (int y = 207; y < 247; ++y)
    for (int x = 336; x < 376; ++x) atlas.setPixel(x, y, qRgb(0, 0, 0));
  return atlas;
}

QImage TestBackground() {
  QImage background(atlas::kSurfaceWidth, atlas::kSurfaceHeight, QImage::Format_RGB32);
  background.fill(qRgb(90, 90, 100));
  return background;
}

::testing::AssertionResult SameRegion(const QImage& a, const QRect& ra, const QImage& b, QPoint pb) {
  for (int v = 0; v < ra.height(); ++v) {
    for (int u = 0; u < ra.width(); ++u) {
      const QRgb pa = a.pixel(ra.left() + u, ra.top() + v);
      const QRgb pbx = b.pixel(pb.x() + u, pb.y() + v);
      if (pa != pbx) {
        return ::testing::AssertionFailure()
               << "pixel (" << ra.left() + u << "," << ra.top() + v << ") is " << std::hex << pa << ", expected "
               << pbx << " from (" << std::dec << pb.x() + u << "," << pb.y() + v << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameRegion(const QImage& a, const QRect& ra, const QImage& b, atlas::Rect rb) {
  if (ra.width() != rb.width() || ra.height() != rb.height())
    return ::testing::AssertionFailure() << "regions of different sizes";
  return SameRegion(a, ra, b, QPoint(rb.left, rb.top));
}

QRect BoxOfColour(const QImage& image, QRgb colour, const QRect& within) {
  QRect box;
  for (int y = within.top(); y <= within.bottom(); ++y)
    for (int x = within.left(); x <= within.right(); ++x)
      if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace suispo::test
