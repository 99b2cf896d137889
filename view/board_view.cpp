// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board primitives: the board build, the masked character and the layered update of the working board.
#include "view/board_view.h"

#include <algorithm>

#include "assets/pictures.h"
#include "core/rules/board.h"
#include "view/board_geometry.h"
#include "view/figure_captions.h"
#include "view/raster_copy.h"

namespace suispo {

namespace {

// The raster copies work on opaque 32-bit pixels.
QImage Opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

QImage BlankBoard(int scale) {
  QImage board(kBoardPixels * scale, kBoardPixels * scale, QImage::Format_RGB32);
  board.fill(Qt::black);
  board.setDevicePixelRatio(scale);
  return board;
}

constexpr QRect kWholeBoard(0, 0, kBoardPixels, kBoardPixels);

}  // namespace

BoardView::BoardView(const QImage& atlas, const QImage& background, FrameClock& clock, SurfaceSink& sink)
    : clock_(clock), sink_(sink) {
  Load(atlas, background);
}

BoardView::BoardView(FrameClock& clock, SurfaceSink& sink, int scale) : scale_(scale), clock_(clock), sink_(sink) {}

void BoardView::LoadBoard() {
  if (!atlas_.isNull()) return;
  atlas_ = Opaque(assets::ReadPicture(assets::kAtlas, scale_));
  mapImage1_ = BlankBoard(scale_);
  mapImage2_ = BlankBoard(scale_);
}

void BoardView::Load() {
  LoadBoard();
  if (!mainImage_.isNull()) return;
  // The captions are lettered at each load, so they are in the language installed by then.
  mainImage_ = Opaque(WithFigureCaptions(assets::ReadPicture(assets::kBackground, scale_), scale_));
  mainImage_.setDevicePixelRatio(scale_);
}

void BoardView::SetScale(int scale) {
  if (scale == scale_) return;
  scale_ = scale;
  // Emptied in place: the window keeps a pointer to the surface.
  atlas_ = mapImage1_ = mapImage2_ = mainImage_ = QImage();
}

void BoardView::Load(const QImage& atlas, const QImage& background) {
  scale_ = std::max(1, atlas.width() / atlas::kWidth);
  atlas_ = Opaque(atlas);
  mapImage1_ = BlankBoard(scale_);
  mapImage2_ = BlankBoard(scale_);
  mainImage_ = Opaque(background);
  // Text drawn on the surface lands at 1x positions in pixels of the scale.
  mainImage_.setDevicePixelRatio(scale_);
}

void BoardView::Copy(QImage& dst, QPoint to, const QImage& src, const QRect& from, RasterOp op) const {
  RasterCopy(dst, to * scale_, src, QRect(from.topLeft() * scale_, from.size() * scale_), op);
}

const QImage& BoardView::surface() const { return mainImage_; }
const QImage& BoardView::workingBoard() const { return mapImage1_; }
const QImage& BoardView::backgroundBoard() const { return mapImage2_; }

void BoardView::DrawFloor(int x, int y) {
  LoadBoard();
  Copy(mapImage1_, {EdgeOrigin(x) + 4, EdgeOrigin(y) + 4}, atlas_, ToQRect(atlas::kFloorTile), RasterOp::kCopy);
}

void BoardView::DrawTile(int x, int y, int cellKind) {
  LoadBoard();
  Copy(mapImage1_, {CellOrigin(x), CellOrigin(y)}, atlas_, ToQRect(atlas::ContentTile(cellKind)), RasterOp::kCopy);
}

void BoardView::DrawWall(int x, int y, bool horizontal, bool marked) {
  LoadBoard();
  // A strip covers its band and the corner squares at both ends.
  const int left = EdgeOrigin(x);
  const int top = EdgeOrigin(y);
  if (horizontal) {
    const auto strip = marked ? atlas::kMarkedHorizontal : atlas::kSolidHorizontal;
    Copy(mapImage1_, {left, top + kCellPitch}, atlas_, ToQRect(strip), RasterOp::kCopy);
  } else {
    const auto strip = marked ? atlas::kMarkedVertical : atlas::kSolidVertical;
    Copy(mapImage1_, {left + kCellPitch, top}, atlas_, ToQRect(strip), RasterOp::kCopy);
  }
}

void BoardView::DrawBorder() {
  LoadBoard();
  // The border is the south edge of the row before the board and of the last row, the east edge of
  // the column before it and of the last column.
  const int before = -1;
  const int last = kBoardSize - 1;
  for (int i = 0; i < kBoardSize; ++i) {
    DrawWall(i, before, true, false);
    DrawWall(i, last, true, false);
    DrawWall(before, i, false, false);
    DrawWall(last, i, false, false);
  }
}

void BoardView::SaveBackground() {
  LoadBoard();
  Copy(mapImage2_, {0, 0}, mapImage1_, kWholeBoard, RasterOp::kCopy);
}

void BoardView::RestoreCell(int x, int y) {
  LoadBoard();
  RestoreSquare(CellOrigin(x), CellOrigin(y));
}

void BoardView::RestoreSquare(int left, int top) {
  LoadBoard();
  Copy(mapImage1_, {left, top}, mapImage2_, QRect(left, top, kCellSide, kCellSide), RasterOp::kCopy);
}

void BoardView::DrawCharacter(int x, int y, int facing) {
  LoadBoard();
  DrawCharacterAt(CellOrigin(x), CellOrigin(y), facing);
}

void BoardView::DrawCharacterAt(int left, int top, int facing) {
  LoadBoard();
  DrawCharacterRows(left, top, facing, kCellSide);
}

void BoardView::DrawCharacterRows(int left, int top, int facing, int rows) {
  // The mask blackens the figure's pixels; the sprite's black surround then leaves the rest alone.
  const QRect mask = ToQRect(atlas::Mask(facing));
  const QRect sprite = ToQRect(atlas::Sprite(facing));
  Copy(mapImage1_, {left, top}, atlas_, QRect(mask.topLeft(), QSize(kCellSide, rows)), RasterOp::kAnd);
  Copy(mapImage1_, {left, top}, atlas_, QRect(sprite.topLeft(), QSize(kCellSide, rows)), RasterOp::kOr);
}

void BoardView::PresentBoard() {
  Load();
  const QRect slot = ToQRect(atlas::kBoardSlot);
  Copy(mainImage_, slot.topLeft(), mapImage1_, kWholeBoard, RasterOp::kCopy);
  sink_.Update(slot);
}

void BoardView::EraseCell(int x, int y) {
  LoadBoard();
  Copy(mapImage2_, {CellOrigin(x), CellOrigin(y)}, atlas_, ToQRect(atlas::kPlainIce), RasterOp::kCopy);
}

}  // namespace suispo
