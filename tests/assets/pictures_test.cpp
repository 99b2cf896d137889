// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The title lettering, logotype, button glyphs, icon and play-screen picture: sizes, the silver key
// colour the window leaves undrawn, and the dark spots the window draws over.
#include <gtest/gtest.h>

#include "assets/pictures.h"
#include "assets/play_screen_layout.h"
#include "core/text/game_error.h"
#include "tests/assets/pixel_checks.h"

namespace suispo {
namespace {

using test::IsSilver;

struct Expected {
  const char* name;
  int width, height;
};

const Expected kSilverGround[] = {
    {"title.png", 350, 135},       {"logo.png", 138, 53},         {"glyph_wall_n.png", 29, 22},
    {"glyph_wall_s.png", 29, 22},  {"glyph_wall_e.png", 22, 29},  {"glyph_wall_w.png", 22, 29},
    {"glyph_move_n.png", 29, 29},  {"glyph_move_e.png", 29, 29},  {"glyph_move_s.png", 29, 29},
    {"glyph_move_w.png", 29, 29},
};

TEST(Pictures, OnSilverHaveTheirSizeASilverCornerAndAPicture) {
  for (const Expected& e : kSilverGround) {
    const QImage image = assets::ReadPicture({e.name, e.width, e.height});
    ASSERT_FALSE(image.isNull()) << e.name;
    EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name;
    EXPECT_TRUE(IsSilver(image.pixel(0, image.height() - 1))) << e.name;
    // Opaque: the window keys on the colour, never on an alpha channel.
    EXPECT_FALSE(image.hasAlphaChannel()) << e.name;
    const int drawn = test::CountPixels(image, [](QRgb c) { return !IsSilver(c); });
    EXPECT_GT(drawn, image.width() * image.height() / 8) << e.name;
  }
}

TEST(Pictures, LoadAlsoByTheirResourcePathAndAreRefusedMissingOrOfAnotherSize) {
  EXPECT_EQ(QImage(":/assets/glyph_move_n.png"), assets::ReadPicture(assets::kMoveGlyphs[0]));
  EXPECT_THROW(assets::ReadPicture({"no_such_picture.png", 1, 1}), GameError);
  EXPECT_THROW(assets::ReadPicture({"atlas.png", 100, 100}), GameError);
}

const char kSides[] = "nesw";

// The red bar of a wall glyph lies on the side it names; the move glyph's arrow points that way.
TEST(Pictures, GlyphsShowTheirDirection) {
  auto red = [](QRgb c) { return qRed(c) > 170 && qGreen(c) < 90 && qBlue(c) < 90; };
  auto green = [](QRgb c) { return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40; };
  for (int d = 0; d < 4; ++d) {
    const QImage wall = assets::ReadPicture(assets::kWallGlyphs[d]);
    const QPointF bar = test::Centroid(wall, red) - QPointF((wall.width() - 1) / 2.0, (wall.height() - 1) / 2.0);
    const QPointF outward[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    EXPECT_GT(bar.x() * outward[d].x() + bar.y() * outward[d].y(), 4) << "wall " << kSides[d];
    const QImage move = assets::ReadPicture(assets::kMoveGlyphs[d]);
    EXPECT_EQ(test::PointsTo(move, green), d) << "move " << kSides[d];
  }
}

TEST(Pictures, IconIsSmallAndSquare) {
  const QImage icon = assets::ReadPicture(assets::kIcon);
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(32, 32));
}

TEST(Pictures, BackgroundHasDarkSlotsWhereTheWindowDraws) {
  const QImage bg = assets::ReadPicture(assets::kBackground);
  ASSERT_FALSE(bg.isNull());
  EXPECT_EQ(bg.size(), QSize(atlas::kSurfaceWidth, atlas::kSurfaceHeight));
  EXPECT_FALSE(bg.hasAlphaChannel());
  const double marble = test::MeanLevel(bg, {0, 0, 8, 360});
  EXPECT_GT(marble, 170);
  // The board slot, the banner slot and the spot of the white wall-point digits are recessed.
  EXPECT_LT(test::MeanLevel(bg, atlas::kBoardSlot), marble - 80);
  EXPECT_LT(test::MeanLevel(bg, atlas::kBannerSlot), marble - 80);
  EXPECT_LT(test::MeanLevel(bg, {396, 119, 428, 139}), 50);
  // The marble frames each slot: just outside the recess it is light again.
  EXPECT_GT(test::MeanLevel(bg, {4, 45, 8, 341}), 150);
  EXPECT_GT(test::MeanLevel(bg, {320, 45, 324, 341}), 150);
}

// The window puts each figure's label where the layout says; the committed picture must have its
// dark box there (repaint the art after adding a row).
TEST(Pictures, BackgroundHasADarkBoxUnderEveryFigureOfTheLayout) {
  const QImage bg = assets::ReadPicture(assets::kBackground);
  for (const layout::Figure& figure : layout::kFigures) {
    EXPECT_LT(test::MeanLevel(bg, figure.digits), 50) << figure.caption;
  }
}

}  // namespace
}  // namespace suispo
