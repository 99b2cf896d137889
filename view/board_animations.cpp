// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The moving pictures: the slide step, the warp's sink and rise, the victory and the fall with banners.
#include <array>

#include "core/rules/board.h"
#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/raster_copy.h"

namespace suispo {

namespace {

constexpr int kSubSteps = 4;       // a slide step: 4 x 12 pixels = one cell pitch
constexpr int kSubStepPixels = 12;
constexpr int kWarpFrames = 20;    // a warp half: 20 x 2 pixels = one cell side
constexpr int kWarpPixels = 2;

struct TimedFrame {
  atlas::Rect picture;
  int ms;
};

}  // namespace

void BoardView::EndSlideFrame() {
  PresentBoard();
  clock_.WaitFrame();
  sink_.ProcessEvents();
}

void BoardView::CopyBanner(atlas::Rect banner) {
  Load();
  const QRect slot = ToQRect(atlas::kBannerSlot);
  Copy(mainImage_, slot.topLeft(), atlas_, ToQRect(banner), RasterOp::kCopy);
  sink_.Update(slot);  // painted together with the first frame
}

void BoardView::ShowFrame(int x, int y, atlas::Rect frame, int ms) {
  Copy(mapImage1_, {CellOrigin(x), CellOrigin(y)}, atlas_, ToQRect(frame), RasterOp::kCopy);
  PresentBoard();
  sink_.ProcessEvents();
  clock_.Sleep(ms);
}

void BoardView::AnimateStep(int x, int y, int dx, int dy, int facing) {
  Load();
  const int ox = CellOrigin(x);
  const int oy = CellOrigin(y);
  for (int i = 0; i < kSubSteps; ++i) {
    // The restored squares cover the band between the two cells, so it comes back behind the figure.
    RestoreSquare(ox + kSubStepPixels * i * dx, oy + kSubStepPixels * i * dy);
    DrawCharacterAt(ox + kSubStepPixels * (i + 1) * dx, oy + kSubStepPixels * (i + 1) * dy, facing);
    EndSlideFrame();
  }
}

void BoardView::AnimateSink(int x, int y) {
  Load();
  const int ox = CellOrigin(x);
  const int oy = CellOrigin(y);
  for (int i = 0; i < kWarpFrames; ++i) {
    // The pad covers the figure from its feet upward; the figure itself does not move.
    const int band = kWarpPixels * (i + 1);
    const QRect rows(ox, oy + kCellSide - band, kCellSide, band);
    Copy(mapImage1_, rows.topLeft(), mapImage2_, rows, RasterOp::kCopy);
    EndSlideFrame();
  }
}

void BoardView::AnimateRise(int x, int y, int facing) {
  Load();
  for (int i = 0; i < kWarpFrames; ++i) {
    // Nothing is restored between frames: the masked copy over rows already drawn changes nothing.
    DrawCharacterRows(CellOrigin(x), CellOrigin(y), facing, kWarpPixels * (i + 1));
    EndSlideFrame();
  }
}

void BoardView::AnimateClear(int x, int y, const std::string& verdict) {
  Load();
  CopyBanner(atlas::kClearBanner);
  for (int i = 0; i < 3; ++i) {
    // After the first raise of the arms the plate tells how the clear went; the timing stays.
    // A verdict too long for the plate takes two lines rather than lose words.
    if (i == 1 && !verdict.empty()) DrawPlateText(QString::fromStdString(verdict), true);
    ShowFrame(x, y, atlas::kVictoryA, 400);
    ShowFrame(x, y, atlas::kVictoryB, 400);
  }
  clock_.Sleep(800);  // the raised arms stay a little longer
}

void BoardView::AnimateMiss(int x, int y) {
  Load();
  static constexpr std::array<TimedFrame, 5> kFall{{
      {atlas::FallFrame(0), 1000},
      {atlas::FallFrame(1), 90},
      {atlas::FallFrame(2), 90},
      {atlas::FallFrame(3), 90},
      {atlas::ContentTile(kHole), 1000},  // the empty hole
  }};
  CopyBanner(atlas::kMissBanner);
  for (const TimedFrame& frame : kFall) ShowFrame(x, y, frame.picture, frame.ms);
}

}  // namespace suispo
