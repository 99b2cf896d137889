// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Each animation frame by frame: how many, what each shows, and the waits, holds and repaints between.
#include <algorithm>

#include "tests/view/view_fixture.h"

namespace suispo::test {
namespace {

// The board slot of a frame shows the background board, with rows [firstRow, endRow) of the figure
// for facing drawn at (left, top).
::testing::AssertionResult ShowsFigureRows(const QImage& frame, const QImage& background, int left, int top,
                                           int facing, int firstRow, int endRow) {
  for (int y = 0; y < 296; ++y) {
    for (int x = 0; x < 296; ++x) {
      const int u = x - left;
      const int v = y - top;
      const bool figure = kFigureBox.contains(u, v) && v >= firstRow && v < endRow;
      const QRgb want = figure ? FigurePixel(facing, u, v) : background.pixel(x, y);
      if (frame.pixel(x + 16, y + 45) != want)
        return ::testing::AssertionFailure() << "board pixel (" << x << "," << y << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsCharacterAt(const QImage& frame, const QImage& background, int left, int top,
                                            int facing) {
  return ShowsFigureRows(frame, background, left, top, facing, 0, 40);
}

std::vector<std::string> Repeat(int times, const std::vector<std::string>& calls) {
  std::vector<std::string> all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), calls.begin(), calls.end());
  return all;
}

TEST_F(ViewTest, StepMovesTheFigureTwelvePixelsAFrameOverTheBand) {
  Start(kOpenBoard);  // character at (2,5)
  view.RestoreCell(2, 5);
  view.DrawCharacter(2, 5, kWest);
  recorder.calls.clear();

  view.AnimateStep(2, 5, -1, 0, kWest);

  EXPECT_EQ(recorder.calls, Repeat(4, {kUpdateBoard, "wait", "events"}));
  ASSERT_EQ(recorder.frames.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(ShowsCharacterAt(recorder.frames[i], view.backgroundBoard(), CellOrigin(2) - 12 * (i + 1),
                                 CellOrigin(5), kWest))
        << "sub-step " << i;
  }
}

TEST_F(ViewTest, SinkCoversTheFigureFromTheFeetUp) {
  Start(kOpenBoard);
  view.AnimateSink(2, 5);

  EXPECT_EQ(recorder.calls, Repeat(20, {kUpdateBoard, "wait", "events"}));
  ASSERT_EQ(recorder.frames.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(ShowsFigureRows(recorder.frames[i], view.backgroundBoard(), CellOrigin(2), CellOrigin(5), kNorth, 0,
                                38 - 2 * i))
        << "frame " << i;
  }
  EXPECT_EQ(view.workingBoard(), view.backgroundBoard());
}

TEST_F(ViewTest, RiseRevealsTheFigureFromTheHeadDown) {
  Start(kOpenBoard);
  view.RestoreCell(2, 5);
  recorder.calls.clear();
  view.AnimateRise(4, 1, kSouth);

  EXPECT_EQ(recorder.calls, Repeat(20, {kUpdateBoard, "wait", "events"}));
  ASSERT_EQ(recorder.frames.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(ShowsFigureRows(recorder.frames[i], view.backgroundBoard(), CellOrigin(4), CellOrigin(1), kSouth, 0,
                                2 * i + 2))
        << "frame " << i;
  }
}

TEST_F(ViewTest, VictoryShowsBannerAndSixHeldFramesEndingArmsRaised) {
  Start(kOpenBoard);
  view.AnimateClear(2, 5, "");

  std::vector<std::string> want{kUpdateBanner};
  for (int i = 0; i < 6; ++i) want.insert(want.end(), {kUpdateBoard, "events", "sleep 400"});
  want.push_back("sleep 800");
  EXPECT_EQ(recorder.calls, want);

  ASSERT_EQ(recorder.frames.size(), 6u);
  const QRect cell = OnSurface(CellRect(2, 5));
  for (int i = 0; i < 6; ++i) {
    const QImage& frame = recorder.frames[i];
    EXPECT_TRUE(SameRegion(frame, QRect(16, 14, 297, 21), atlas, atlas::kClearBanner)) << i;
    EXPECT_TRUE(SameRegion(frame, cell, atlas, i % 2 == 0 ? atlas::kVictoryA : atlas::kVictoryB)) << i;
  }
}

TEST_F(ViewTest, AVerdictTakesThePlateAfterTheFirstRaiseOfTheArmsInTheSameTime) {
  Start(kOpenBoard);
  view.AnimateClear(2, 5, "7手でクリア");

  std::vector<std::string> want{kUpdateBanner};
  for (int i = 0; i < 6; ++i) {
    if (i == 2) want.push_back(kUpdateBanner);
    want.insert(want.end(), {kUpdateBoard, "events", "sleep 400"});
  }
  want.push_back("sleep 800");
  EXPECT_EQ(recorder.calls, want);
  ASSERT_EQ(recorder.frames.size(), 6u);
  const QRect slot(16, 14, 297, 21);
  EXPECT_TRUE(SameRegion(recorder.frames[1], slot, atlas, atlas::kClearBanner));
  EXPECT_FALSE(SameRegion(recorder.frames[2], slot, atlas, atlas::kClearBanner));
  EXPECT_FALSE(SameRegion(recorder.frames[2], slot, atlas, atlas::kNamePlate));  // the plate with the text
}

TEST_F(ViewTest, FallShowsBannerAndFiveHeldFramesEndingOnTheEmptyHole) {
  Start(kOpenBoard);
  view.AnimateMiss(2, 5);

  const int holds[] = {1000, 90, 90, 90, 1000};
  std::vector<std::string> want{kUpdateBanner};
  for (int ms : holds) want.insert(want.end(), {kUpdateBoard, "events", "sleep " + std::to_string(ms)});
  EXPECT_EQ(recorder.calls, want);

  const atlas::Rect pictures[] = {atlas::FallFrame(0), atlas::FallFrame(1), atlas::FallFrame(2),
                                  atlas::FallFrame(3), atlas::ContentTile(kHole)};
  ASSERT_EQ(recorder.frames.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(SameRegion(recorder.frames[i], QRect(16, 14, 297, 21), atlas, atlas::kMissBanner)) << i;
    EXPECT_TRUE(SameRegion(recorder.frames[i], OnSurface(CellRect(2, 5)), atlas, pictures[i])) << i;
  }
}

TEST_F(ViewTest, WarpThroughTheGameKeepsTheFacing) {
  // Red pads at (5,5) and (5,0); sliding east comes to rest on the first and rises at the second.
  Start(StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   r |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .  [.]  .   .   r |
    +---+---+---+---+---+---+)", "01", "T"));
  ASSERT_EQ(game.Slide(1, 0, kEast), Landing::kWarp);

  EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "wait"), 3 * 4 + 20 + 20);
  EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "events"), 3 * 4 + 20 + 20);
  EXPECT_TRUE(ShowsCharacterAt(recorder.frames.back(), view.backgroundBoard(), CellOrigin(5), CellOrigin(0), kEast));
}

}  // namespace
}  // namespace suispo::test
