// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The errors and the play screen's captions are worded through Qt's translation; the captions are
// lettered in their boxes and nowhere else.
#include <gtest/gtest.h>

#include <set>

#include "assets/atlas_map.h"
#include "assets/play_screen_layout.h"
#include "tests/support/bracketing_translator.h"
#include "view/figure_captions.h"
#include "view/message_text.h"

namespace suispo {
namespace {

TEST(TranslatedTexts, AnErrorIsWordedThroughTheTranslationWithItsArgumentsInOrder) {
  const GameError error(MessageId::kLineTooLong, {"s.ssp", "3"});
  EXPECT_EQ(MessageText(error), QStringLiteral("ファイル s.ssp の 3 行目が長すぎます"));
  test::BracketingTranslator bracketing;
  EXPECT_EQ(MessageText(error), QStringLiteral("<ファイル s.ssp の 3 行目が長すぎます>"));
}

TEST(TranslatedTexts, EveryMessageHasWordsOfItsOwn) {
  constexpr int kMessages = static_cast<int>(MessageId::kRecordsTooLarge) + 1;  // the table's last row
  std::set<QString> worded;
  for (int id = 0; id < kMessages; ++id) {
    const GameError error(static_cast<MessageId>(id), {"f.ssp", "1"});
    EXPECT_NE(MessageText(error), QString::fromUtf8(error.what())) << id;  // not the log line
    EXPECT_TRUE(worded.insert(MessageText(error)).second) << id;
  }
}

TEST(TranslatedTexts, TheCaptionsAreTheTranslatedOnes) {
  EXPECT_EQ(FigureCaption(layout::kWallPointsFigure), QStringLiteral("のこりの壁"));
  test::BracketingTranslator bracketing;
  EXPECT_EQ(FigureCaption(layout::kMoveCountFigure), QStringLiteral("<手数>"));
}

// A pixel the lettering may reach: inside a caption's box, or its outline's width outside.
bool InACaptionBox(int x, int y) {
  for (const layout::Figure& figure : layout::kFigures) {
    const atlas::Rect& r = figure.captionBox;
    if (x >= r.left - 2 && x < r.right + 2 && y >= r.top - 2 && y < r.bottom + 2) return true;
  }
  return false;
}

TEST(FigureCaptions, EachCaptionIsLetteredInItsBoxAndNothingElseChanges) {
  for (int scale = 1; scale <= 3; ++scale) {
    QImage plain(atlas::kSurfaceWidth * scale, atlas::kSurfaceHeight * scale, QImage::Format_RGB32);
    plain.fill(QColor(128, 128, 140));
    plain.setDevicePixelRatio(scale);  // as a picture read from "background@2x.png" says
    const QImage lettered = WithFigureCaptions(plain, scale);
    std::vector<int> inked(layout::kFigures.size());
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        if (lettered.pixel(x, y) == plain.pixel(x, y)) continue;
        ASSERT_TRUE(InACaptionBox(x / scale, y / scale)) << x << ", " << y << " at " << scale << "x";
        for (std::size_t i = 0; i < inked.size(); ++i) {
          const atlas::Rect& r = layout::kFigures[i].captionBox;
          if (x / scale >= r.left && x / scale < r.right && y / scale >= r.top && y / scale < r.bottom) ++inked[i];
        }
      }
    }
    for (std::size_t i = 0; i < inked.size(); ++i) {
      EXPECT_GT(inked[i], 40 * scale * scale) << layout::kFigures[i].caption << " at " << scale << "x";
    }
  }
}

}  // namespace
}  // namespace suispo
