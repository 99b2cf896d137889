// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The pictures painted at 2x and 3x: each is its 1x picture at more pixels, and the atlas keeps its
// map, scaled, with the sprite and mask pairing the board's drawing relies on.
#include <gtest/gtest.h>

#include <vector>

#include "assets/pictures.h"
#include "tests/assets/pixel_checks.h"
#include "tests/support/scaled_pixels.h"

namespace suispo {
namespace {

using atlas::Rect;

// Scaled down, a 2x or 3x picture differs from the 1x one only where edges fall between pixels
// differently: measured 0.1 (title) to 5.4 (the banners' lettering, hinted at another size, and the
// masks' hard edges). The same region moved by one 1x pixel differs by 11 to 23 (but the hole,
// even across), another picture by 25 or more.
constexpr double kSameDrawing = 8;

QImage Crop(const QImage& image, const Rect& r, int scale) {
  return image.copy(r.left * scale, r.top * scale, r.width() * scale, r.height() * scale);
}

std::vector<assets::Picture> WindowPictures() {
  std::vector<assets::Picture> all = {assets::kAtlas, assets::kBackground, assets::kTitle, assets::kLogo};
  for (int d = 0; d < 4; ++d) all.insert(all.end(), {assets::kWallGlyphs[d], assets::kMoveGlyphs[d]});
  return all;
}

std::vector<Rect> AtlasRegions() {
  std::vector<Rect> regions = {atlas::kFloorTile, atlas::kVictoryA,  atlas::kVictoryB,  atlas::kNamePlate,
                               atlas::kClearBanner, atlas::kMissBanner, {328, 199, 384, 255}};
  for (int i = 0; i < 4; ++i) regions.insert(regions.end(), {atlas::Sprite(i), atlas::Mask(i), atlas::FallFrame(i)});
  for (int kind = 1; kind < kCellKindCount; ++kind) regions.push_back(atlas::ContentTile(kind));
  return regions;
}

TEST(ScaledPictures, AreTheirOneTimesPictureAtMorePixels) {
  for (const assets::Picture& picture : WindowPictures()) {
    const QImage one = assets::ReadPicture(picture);
    for (const int scale : {2, 3}) {
      // ReadPicture refuses a picture not of its size times the scale.
      const QImage large = assets::ReadPicture(picture, scale);
      EXPECT_LT(test::MeanDifferenceAt1x(large, one), kSameDrawing) << picture.file << " at " << scale;
    }
  }
}

TEST(ScaledPictures, EachAtlasRegionHoldsItsPictureAtTheScaledRectangle) {
  const QImage one = assets::ReadPicture(assets::kAtlas);
  for (const int scale : {2, 3}) {
    const QImage sheet = assets::ReadPicture(assets::kAtlas, scale);
    for (const Rect& r : AtlasRegions()) {
      EXPECT_LT(test::MeanDifferenceAt1x(Crop(sheet, r, scale), Crop(one, r, 1)), kSameDrawing)
          << "(" << r.left << ", " << r.top << ") at " << scale;
    }
    for (int f = 0; f < 4; ++f) {
      // The board ANDs the mask and ORs the sprite at every scale.
      const QImage sprite = Crop(sheet, atlas::Sprite(f), scale);
      const QImage mask = Crop(sheet, atlas::Mask(f), scale);
      for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
          const QRgb m = mask.pixel(x, y);
          ASSERT_TRUE(test::IsBlack(m) || test::IsWhite(m)) << f << " at " << scale;
          ASSERT_EQ(test::IsWhite(m), test::IsBlack(sprite.pixel(x, y))) << f << " at " << scale;
        }
      }
    }
  }
}

}  // namespace
}  // namespace suispo
