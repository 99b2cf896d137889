// The title lettering, logotype, button glyphs, icon and play-screen picture: sizes, the silver key
// colour the window leaves undrawn, and the dark spots the window draws over.
#include <gtest/gtest.h>

#include "assets/pictures.h"
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
    const QImage image = assets::LoadPicture(e.name);
    ASSERT_FALSE(image.isNull()) << e.name;
    EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name;
    EXPECT_TRUE(IsSilver(image.pixel(0, image.height() - 1))) << e.name;
    // Opaque: the window keys on the colour, never on an alpha channel.
    EXPECT_FALSE(image.hasAlphaChannel()) << e.name;
    const int drawn = test::CountPixels(image, [](QRgb c) { return !IsSilver(c); });
    EXPECT_GT(drawn, image.width() * image.height() / 8) << e.name;
  }
}

TEST(Pictures, LoadAlsoByTheirResourcePath) {
  EXPECT_EQ(QImage(":/assets/glyph_move_n.png"), assets::LoadPicture("glyph_move_n.png"));
  EXPECT_TRUE(assets::LoadPicture("no_such_picture.png").isNull());
}

// Where the red of a wall glyph sits tells which side the wall goes on.
TEST(Pictures, WallGlyphsShowTheBarOnTheNamedSide) {
  auto redCentre = [](const QImage& g) {
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < g.height(); ++y) {
      for (int x = 0; x < g.width(); ++x) {
        const QRgb c = g.pixel(x, y);
        if (qRed(c) > 170 && qGreen(c) < 90 && qBlue(c) < 90) sx += x, sy += y, ++n;
      }
    }
    return QPointF(sx / n, sy / n);
  };
  EXPECT_LT(redCentre(assets::LoadPicture("glyph_wall_n.png")).y(), 7);
  EXPECT_GT(redCentre(assets::LoadPicture("glyph_wall_s.png")).y(), 14);
  EXPECT_GT(redCentre(assets::LoadPicture("glyph_wall_e.png")).x(), 14);
  EXPECT_LT(redCentre(assets::LoadPicture("glyph_wall_w.png")).x(), 7);
}

TEST(Pictures, IconIsSmallAndSquare) {
  const QImage icon = assets::LoadPicture("icon.png");
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(32, 32));
}

TEST(Pictures, BackgroundHasDarkSlotsWhereTheWindowDraws) {
  const QImage bg = assets::LoadPicture("background.png");
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

}  // namespace
}  // namespace suispo
