// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The painting code: how a figure is cut into sprite and mask, and that the committed pictures are
// what the generator paints today (a changed painter without regenerated files fails here).
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "assets/generator/atlas_sheet.h"
#include "assets/generator/button_glyphs.h"
#include "assets/generator/sprite_cutout.h"
#include "assets/generator/window_icon.h"
#include "assets/pictures.h"
#include "tests/assets/pixel_checks.h"

namespace suispo {
namespace {

using test::IsBlack;
using test::IsWhite;

TEST(CutOut, SplitsAtHalfCoverageAndKeepsTheFigureOffPureBlack) {
  QImage figure(4, 1, QImage::Format_ARGB32);
  figure.setPixel(0, 0, qRgba(0, 0, 0, 255));    // an opaque black outline pixel
  figure.setPixel(1, 0, qRgba(255, 0, 0, 200));  // a mostly covered soft edge
  figure.setPixel(2, 0, qRgba(255, 0, 0, 100));  // a faint fringe
  figure.setPixel(3, 0, qRgba(0, 0, 0, 0));
  const art::Cutout cut = art::CutOut(figure, QColor(0, 0, 255));

  EXPECT_TRUE(IsBlack(cut.mask.pixel(0, 0)));
  EXPECT_FALSE(IsBlack(cut.sprite.pixel(0, 0)));  // else the OR copy would leave a hole
  EXPECT_TRUE(IsBlack(cut.mask.pixel(1, 0)));
  const QRgb edge = cut.sprite.pixel(1, 0);
  EXPECT_EQ(qRed(edge), 200);  // 255 at 200/255, the rest from the ground
  EXPECT_EQ(qBlue(edge), 55);
  for (int x : {2, 3}) {
    EXPECT_TRUE(IsWhite(cut.mask.pixel(x, 0))) << x;
    EXPECT_TRUE(IsBlack(cut.sprite.pixel(x, 0))) << x;
  }
}

class Regenerated : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QGuiApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "asset_tests";
      static char* argv[] = {name, nullptr};
      static QGuiApplication app(argc, argv);
    }
  }
};

// Text rendering may differ between font versions, so the lettered plates are left out.
TEST_F(Regenerated, AtlasMatchesTheCommittedOneAboveThePlates) {
  const QImage painted = art::AtlasSheet();
  const QImage committed = assets::ReadPicture(assets::kAtlas).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(painted.copy(0, 0, atlas::kWidth, atlas::kNamePlate.top),
            committed.copy(0, 0, atlas::kWidth, atlas::kNamePlate.top));
  EXPECT_EQ(painted.copy(328, 199, 56, 56), committed.copy(328, 199, 56, 56));
}

TEST_F(Regenerated, GlyphsMatchTheCommittedOnes) {
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(art::WallGlyph(d), assets::ReadPicture(assets::kWallGlyphs[d]).convertToFormat(QImage::Format_RGB32)) << d;
    EXPECT_EQ(art::MoveGlyph(d), assets::ReadPicture(assets::kMoveGlyphs[d]).convertToFormat(QImage::Format_RGB32)) << d;
  }
}

// The desktop's icons are painted at each size, not scaled from another one. A gradient under a
// fractional scale rounds a few edge pixels one level apart on processors of other vector widths,
// so one level is let pass; a picture scaled from another size is many levels off.
TEST_F(Regenerated, ThemeIconsMatchTheCommittedOnesAtEverySize) {
  for (const int size : art::kThemeIconSizes) {
    const QString file = size == 32 ? QStringLiteral("icon.png") : QStringLiteral("icon_%1.png").arg(size);
    const QImage committed(QStringLiteral(SUISPO_ASSETS_DIR "/") + file);
    ASSERT_EQ(committed.size(), QSize(size, size)) << size;
    EXPECT_LE(test::LargestChannelDifference(art::WindowIcon(size), committed.convertToFormat(QImage::Format_ARGB32)), 1)
        << size;
  }
}

}  // namespace
}  // namespace suispo
