// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage name on its plate: where it starts, its shadow, its font, and what it may not touch.
#include <QFontMetrics>

#include "core/rules/builtin_stages.h"
#include "core/rules/stage_line.h"
#include "tests/view/view_fixture.h"
#include "view/name_plate.h"

namespace suispo::test {
namespace {

const QRgb kLime = qRgb(0, 255, 0);
const QRgb kSilver = qRgb(192, 192, 192);
const QRect kSlot(16, 14, 297, 21);

TEST(NameLeftTest, CentresOnTheSlotTruncatingTowardZero) {
  EXPECT_EQ(NameLeft(288), 20);
  EXPECT_EQ(NameLeft(100), 114);
  EXPECT_EQ(NameLeft(301), 14);  // -13 / 2 is -6, not -7
  EXPECT_EQ(NameLeft(289), 20);
}

TEST(NameFontTest, HasJapaneseGlyphs) {
  const QFontMetrics metrics(NameFont());
  EXPECT_TRUE(metrics.inFont(QChar(0x7df4)));  // 練
  EXPECT_TRUE(metrics.inFont(QChar(0x30b9)));  // ス
  EXPECT_TRUE(NameFont().bold());
  EXPECT_EQ(NameFont().pixelSize(), 13);
}

TEST_F(ViewTest, NameIsDrawnAtItsLeftEdgeOverItsShadow) {
  const std::string name = "HIJ HIJ";
  view.DrawStageName(name);
  const QImage& surface = view.surface();
  const int x0 = NameLeft(QFontMetrics(NameFont()).horizontalAdvance(QString::fromStdString(name)));

  const QRect lime = BoxOfColour(surface, kLime, kSlot);
  const QRect silver = BoxOfColour(surface, kSilver, kSlot);
  ASSERT_FALSE(lime.isEmpty());
  ASSERT_FALSE(silver.isEmpty());
  EXPECT_GE(lime.left(), x0);
  EXPECT_LE(lime.left(), x0 + 2);  // the side bearing of "H"
  EXPECT_GE(lime.top(), 18);
  EXPECT_LE(lime.bottom(), 18 + 13);
  // The shadow sticks out one pixel right and down.
  EXPECT_EQ(silver.right(), lime.right() + 1);
  EXPECT_EQ(silver.bottom(), lime.bottom() + 1);
  EXPECT_EQ(recorder.calls.back(), kUpdateBanner);
}

TEST_F(ViewTest, JapaneseNameIsCentredOnTheSlot) {
  view.DrawStageName(StageName(BuiltinStages()[0]));
  const QRect lime = BoxOfColour(view.surface(), kLime, kSlot);
  ASSERT_FALSE(lime.isEmpty());
  EXPECT_NEAR(lime.center().x(), 164, 3);
  EXPECT_GT(lime.width(), 60);  // six full-width characters, not six boxes of a Latin font
}

TEST_F(ViewTest, EmptyNameLeavesOnlyThePlateOverWhatWasThere) {
  view.AnimateMiss(0, 0);
  view.DrawStageName("");
  EXPECT_TRUE(SameRegion(view.surface(), kSlot, atlas, atlas::kNamePlate));
}

TEST_F(ViewTest, NameWiderThanThePlateEndsInAnEllipsisWithinIt) {
  std::string name;
  for (int i = 0; i < 40; ++i) name += "\x97\xfb";  // 練 in Shift-JIS, forty times
  view.DrawStageName(name);
  const QImage& surface = view.surface();
  const QImage background = TestBackground();
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (kSlot.contains(x, y)) continue;
      ASSERT_EQ(surface.pixel(x, y), background.pixel(x, y)) << x << "," << y;
    }
  }
  // Whole characters from the name's start, filling the plate's room and no more.
  const QRect lime = BoxOfColour(surface, kLime, kSlot);
  EXPECT_GE(lime.left(), 20);
  EXPECT_LE(lime.right(), 20 + 288);
  EXPECT_GT(lime.width(), 250);
  EXPECT_NEAR(lime.center().x(), 164, 3);
  // The last glyph is the ellipsis: a row of dots, where a kanji would fill the line's height.
  const QRect end = BoxOfColour(surface, kLime, QRect(lime.right() - 5, kSlot.top(), 6, kSlot.height()));
  EXPECT_LE(end.height(), 3);
  EXPECT_GT(lime.height(), 2 * end.height());
}

TEST(PlateLines, AVerdictTooWideForThePlateTakesTwoLinesAndLosesNoWord) {
  const QString verdict = QStringLiteral("9手でクリア ヒントを使ったので★はつきません 新記録！");
  const QStringList lines = PlateLines(verdict, true);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines.join(QLatin1Char(' ')), verdict);
  const QFontMetrics metrics(NameFont());
  for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), kNameRoom) << line.toStdString();
  EXPECT_EQ(PlateLines(QStringLiteral("7手でクリア（最短 7手）★"), true).size(), 1);  // one line when it fits
}

}  // namespace
}  // namespace suispo::test
