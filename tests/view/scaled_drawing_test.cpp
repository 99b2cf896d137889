// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board drawn at 2x and 3x from the pictures painted for them: the 1x drawing at more pixels,
// every position in 1x units, and sharp rather than doubled.
#include <gtest/gtest.h>

#include "core/game/board_build.h"
#include "core/rules/board.h"
#include "core/rules/builtin_stages.h"
#include "core/rules/play_state.h"
#include "tests/support/scaled_pixels.h"
#include "view/board_geometry.h"
#include "view/unwatched_surface.h"

namespace suispo {
namespace {

// The warp stage built, its name on the plate, the character one slide step east of the start.
QImage PlayedSurface(int scale) {
  NoWaitClock clock;
  NoScreen screen;
  BoardView view(clock, screen, scale);
  PlayState state;
  rules::LoadBoard(BuiltinStages()[2], state);
  BuildBoard(state.board, view);
  view.DrawStageName("ワープ");
  view.AnimateStep(2, 3, 1, 0, kEast);
  EXPECT_EQ(view.surface().devicePixelRatio(), scale);
  return view.surface();
}

TEST(ScaledDrawing, TheBoardAtTwoAndThreeTimesIsTheOneTimesBoardSharper) {
  const QImage one = PlayedSurface(1);
  const QRect slot = ToQRect(atlas::kBoardSlot);
  for (const int scale : {2, 3}) {
    const QImage large = PlayedSurface(scale);
    ASSERT_EQ(large.size(), one.size() * scale);
    // Each primitive at its scaled place: a position left in pixels rather than units lands the
    // pictures elsewhere and differs by tens of levels (see tests/assets/scaled_pictures_test.cpp).
    EXPECT_LT(test::MeanDifferenceAt1x(large, one), 8) << scale;
    const QImage board = large.copy(QRect(slot.topLeft() * scale, slot.size() * scale));
    // A doubled 1x board has every aligned 2 x 2 block of one colour.
    EXPECT_LT(test::UniformBlockShare(board), 0.6) << scale;
  }
}

// The stage select screen's preview draws a board alone: the play surface, with its captions
// lettered, is read at the first stage start and not before.
TEST(ScaledDrawing, ABoardDrawnOffThePlayScreenReadsNoPlaySurface) {
  NoWaitClock clock;
  NoScreen screen;
  BoardView view(clock, screen, 1);
  PlayState state;
  rules::LoadBoard(BuiltinStages()[2], state);
  BuildBoard(state.board, view);
  view.DrawCharacter(state.playerX, state.playerY, kNorth);
  EXPECT_EQ(view.workingBoard().size(), QSize(kBoardPixels, kBoardPixels));
  EXPECT_TRUE(view.surface().isNull());
  view.PresentBoard();
  EXPECT_FALSE(view.surface().isNull());
}

}  // namespace
}  // namespace suispo
