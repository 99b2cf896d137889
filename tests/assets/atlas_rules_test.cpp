// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The committed atlas obeys what the board drawing relies on: the masked character, black gaps,
// tiles on ice, strips that meet cleanly.
#include <gtest/gtest.h>

#include <vector>

#include "assets/pictures.h"
#include "tests/assets/pixel_checks.h"

namespace suispo {
namespace {

using atlas::Rect;
using test::Crop;
using test::IsBlack;
using test::IsWhite;

class AtlasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sheet = new QImage(assets::ReadPicture(assets::kAtlas)); }
  static void TearDownTestSuite() { delete sheet; }
  static const QImage& Sheet() { return *sheet; }
  static QImage* sheet;
};
QImage* AtlasTest::sheet = nullptr;

const Rect kWallCorner{328, 199, 384, 255};

TEST_F(AtlasTest, HasTheMappedSize) {
  ASSERT_FALSE(Sheet().isNull());
  EXPECT_EQ(Sheet().width(), atlas::kWidth);
  EXPECT_EQ(Sheet().height(), atlas::kHeight);
}

TEST_F(AtlasTest, SpriteIsBlackExactlyWhereItsMaskIsWhite) {
  for (int f = 0; f < 4; ++f) {
    const QImage sprite = Crop(Sheet(), atlas::Sprite(f));
    const QImage mask = Crop(Sheet(), atlas::Mask(f));
    int figure = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const QRgb m = mask.pixel(x, y);
        const QRgb s = sprite.pixel(x, y);
        ASSERT_TRUE(IsBlack(m) || IsWhite(m)) << "facing " << f << " mask at " << x << "," << y;
        ASSERT_EQ(IsWhite(m), IsBlack(s)) << "facing " << f << " at " << x << "," << y;
        figure += IsBlack(m) ? 1 : 0;
      }
    }
    // A figure that fills a good part of the cell but leaves ice around it.
    EXPECT_GT(figure, 500) << "facing " << f;
    EXPECT_LT(figure, 1300) << "facing " << f;
    EXPECT_TRUE(IsBlack(sprite.pixel(0, 0)) && IsBlack(sprite.pixel(39, 0))) << "facing " << f;
  }
}

TEST_F(AtlasTest, TheFourFacingsAreDifferentPictures) {
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) {
      EXPECT_NE(Crop(Sheet(), atlas::Sprite(a)), Crop(Sheet(), atlas::Sprite(b))) << a << " vs " << b;
    }
  }
  // West is east turned round: mirrored masks, so neither is a copy of the front.
  EXPECT_EQ(Crop(Sheet(), atlas::Mask(3)), Crop(Sheet(), atlas::Mask(1)).mirrored(true, false));
}

// Which way the character looks, told by where its white front shows.
TEST_F(AtlasTest, EachFacingSitsInItsOwnColumn) {
  auto front = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 225; };
  auto frontPixels = [&](int f) { return test::CountPixels(Crop(Sheet(), atlas::Sprite(f)), front); };
  EXPECT_GT(frontPixels(2), 3 * frontPixels(0));  // the front shows the white belly, the back does not
  EXPECT_GT(test::Centroid(Crop(Sheet(), atlas::Sprite(1)), front).x(), 23);  // east: belly on the right
  EXPECT_LT(test::Centroid(Crop(Sheet(), atlas::Sprite(3)), front).x(), 16);  // west: on the left
  EXPECT_NEAR(test::Centroid(Crop(Sheet(), atlas::Sprite(2)), front).x(), 19.5, 1);
}

TEST_F(AtlasTest, ArrowTilesPointTheirWay) {
  auto blue = [](QRgb c) { return qBlue(c) > 150 && qRed(c) < 120; };
  for (int d = 0; d < 4; ++d) EXPECT_EQ(test::PointsTo(Crop(Sheet(), atlas::ContentTile(4 + d)), blue), d);
}

TEST_F(AtlasTest, EverythingOutsideTheUsedRectanglesIsBlack) {
  std::vector<Rect> used = {atlas::kFloorTile, atlas::kVictoryA, atlas::kVictoryB,
                            atlas::kNamePlate, atlas::kClearBanner, atlas::kMissBanner, kWallCorner};
  for (int f = 0; f < 4; ++f) {
    used.push_back(atlas::Sprite(f));
    used.push_back(atlas::Mask(f));
    used.push_back(atlas::FallFrame(f));
  }
  for (int kind = 1; kind < kCellKindCount; ++kind) used.push_back(atlas::ContentTile(kind));
  int outside = 0;
  for (int y = 0; y < atlas::kHeight; ++y) {
    for (int x = 0; x < atlas::kWidth; ++x) {
      bool inside = false;
      for (const Rect& r : used) inside |= x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      if (inside) continue;
      ++outside;
      ASSERT_TRUE(IsBlack(Sheet().pixel(x, y))) << "stray pixel at " << x << "," << y;
    }
  }
  EXPECT_GT(outside, 0);
}

TEST_F(AtlasTest, TilesOnIceShareThePlainIceGround) {
  const QImage ice = Crop(Sheet(), atlas::kPlainIce);
  // Key, door, arrows and warp pads are painted on the plain ice; their corners show it.
  for (int kind : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11}) {
    const QImage tile = Crop(Sheet(), atlas::ContentTile(kind));
    EXPECT_EQ(tile.pixel(0, 0), ice.pixel(0, 0)) << "kind " << kind;
    EXPECT_EQ(tile.pixel(39, 0), ice.pixel(39, 0)) << "kind " << kind;
    EXPECT_NE(tile, ice) << "kind " << kind;
  }
}

TEST_F(AtlasTest, HoleShadesFromBlackToBlue) {
  const QImage hole = Crop(Sheet(), atlas::ContentTile(3));
  const QRgb top = hole.pixel(20, 0);
  const QRgb bottom = hole.pixel(20, 36);
  EXPECT_LT(qRed(top) + qGreen(top) + qBlue(top), 12);
  EXPECT_GT(qBlue(bottom), 120);
  EXPECT_GT(qBlue(bottom), qRed(bottom) + 60);
  // The last miss frame shows this same empty hole: the fall frames must differ from it.
  for (int i = 0; i < 4; ++i) EXPECT_NE(Crop(Sheet(), atlas::FallFrame(i)), hole) << i;
}

TEST_F(AtlasTest, VictoryAndFallFramesAreDistinct) {
  std::vector<QImage> frames = {Crop(Sheet(), atlas::kVictoryA), Crop(Sheet(), atlas::kVictoryB)};
  for (int i = 0; i < 4; ++i) frames.push_back(Crop(Sheet(), atlas::FallFrame(i)));
  for (size_t a = 0; a < frames.size(); ++a) {
    for (size_t b = a + 1; b < frames.size(); ++b) EXPECT_NE(frames[a], frames[b]) << a << " vs " << b;
  }
}

TEST_F(AtlasTest, WallStripsMeetOnIdenticalPosts) {
  // Strips overlap in 8 x 8 squares on the board; any corner may land on any other.
  const QImage first = Sheet().copy(328, 199, 8, 8);
  for (auto [x, y] : {std::pair{376, 199}, std::pair{328, 247}, std::pair{376, 247}}) {
    EXPECT_EQ(Sheet().copy(x, y, 8, 8), first) << x << "," << y;
  }
  // A solid strip shows a red beam, a marked strip blue and white squares.
  const QRgb beam = Sheet().pixel(356, 203);
  EXPECT_GT(qRed(beam), qGreen(beam) + 80);
  const QImage marked = Crop(Sheet(), Rect{376, 207, 384, 247});
  EXPECT_GT(test::CountPixels(marked, [](QRgb c) { return qBlue(c) > qRed(c) + 80; }), 80);
  EXPECT_GT(test::CountPixels(marked, [](QRgb c) { return qRed(c) > 220 && qBlue(c) > 220; }), 80);
}

TEST_F(AtlasTest, PlatesShareTheirStoneAndBannersCarryLettering) {
  const QImage blank = Crop(Sheet(), atlas::kNamePlate);
  for (const Rect& banner : {atlas::kClearBanner, atlas::kMissBanner}) {
    const QImage plate = Crop(Sheet(), banner);
    EXPECT_EQ(plate.copy(0, 0, 20, 21), blank.copy(0, 0, 20, 21));
    EXPECT_NE(plate, blank);
  }
  const QImage clear = Crop(Sheet(), atlas::kClearBanner);
  EXPECT_GT(test::CountPixels(clear, [](QRgb c) { return qRed(c) > 230 && qGreen(c) > 150 && qBlue(c) < 90; }), 60);
  const QImage miss = Crop(Sheet(), atlas::kMissBanner);
  EXPECT_GT(test::CountPixels(miss, [](QRgb c) { return qBlue(c) > 230 && qGreen(c) > 180 && qRed(c) < 190; }), 40);
  EXPECT_GT(test::CountPixels(miss, [](QRgb c) { return qRed(c) > 180 && qGreen(c) < 60; }), 20);
}

}  // namespace
}  // namespace suispo
