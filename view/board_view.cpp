// The board primitives: the board build, the masked character and the layered update of the working board.
#include "view/board_view.h"

#include <stdexcept>

#include "core/board.h"
#include "core/board_geometry.h"
#include "view/raster_copy.h"

namespace suispo {

namespace {

QImage Opaque(const QImage& image, QSize size, const char* what) {
  if (image.size() != size) {
    throw std::invalid_argument(std::string(what) + " must be " + std::to_string(size.width()) + " x " +
                                std::to_string(size.height()) + " pixels");
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage BlankBoard() {
  QImage board(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  board.fill(Qt::black);
  return board;
}

}  // namespace

BoardView::BoardView(const QImage& atlas, const QImage& background, FrameClock& clock, SurfaceSink& sink)
    : atlas_(Opaque(atlas, {atlas::kWidth, atlas::kHeight}, "the sprite atlas")),
      mapImage1_(BlankBoard()),
      mapImage2_(BlankBoard()),
      mainImage_(Opaque(background, {atlas::kSurfaceWidth, atlas::kSurfaceHeight}, "the play-screen background")),
      clock_(clock),
      sink_(sink) {}

const QImage& BoardView::surface() const { return mainImage_; }
const QImage& BoardView::workingBoard() const { return mapImage1_; }
const QImage& BoardView::backgroundBoard() const { return mapImage2_; }

void BoardView::DrawFloor(int x, int y) {
  RasterCopy(mapImage1_, {x * kCellPitch + 4, y * kCellPitch + 4}, atlas_, ToQRect(atlas::kFloorTile), RasterOp::kCopy);
}

void BoardView::DrawTile(int left, int top, int cellKind) {
  RasterCopy(mapImage1_, {left, top}, atlas_, ToQRect(atlas::ContentTile(cellKind)), RasterOp::kCopy);
}

void BoardView::DrawWall(int left, int top, bool horizontal, bool marked) {
  // A strip covers its band and the corner squares at both ends.
  if (horizontal) {
    const auto strip = marked ? atlas::kMarkedHorizontal : atlas::kSolidHorizontal;
    RasterCopy(mapImage1_, {left, top + kCellPitch}, atlas_, ToQRect(strip), RasterOp::kCopy);
  } else {
    const auto strip = marked ? atlas::kMarkedVertical : atlas::kSolidVertical;
    RasterCopy(mapImage1_, {left + kCellPitch, top}, atlas_, ToQRect(strip), RasterOp::kCopy);
  }
}

void BoardView::DrawBorder() {
  const int outside = -kCellPitch;
  const int lastCell = (kBoardSize - 1) * kCellPitch;  // 240: the strips beyond it form the far border
  for (int i = 0; i < kBoardSize; ++i) {
    const int d = i * kCellPitch;
    DrawWall(d, outside, true, false);
    DrawWall(d, lastCell, true, false);
    DrawWall(outside, d, false, false);
    DrawWall(lastCell, d, false, false);
  }
}

void BoardView::SaveBackground() {
  RasterCopy(mapImage2_, {0, 0}, mapImage1_, mapImage1_.rect(), RasterOp::kCopy);
}

void BoardView::RestoreCell(int left, int top) {
  RasterCopy(mapImage1_, {left, top}, mapImage2_, QRect(left, top, kCellSide, kCellSide), RasterOp::kCopy);
}

void BoardView::DrawCharacter(int left, int top, int facing) {
  DrawCharacterRows(left, top, facing, kCellSide);
}

void BoardView::DrawCharacterRows(int left, int top, int facing, int rows) {
  // The mask blackens the figure's pixels; the sprite's black surround then leaves the rest alone.
  const QRect mask = ToQRect(atlas::Mask(facing));
  const QRect sprite = ToQRect(atlas::Sprite(facing));
  RasterCopy(mapImage1_, {left, top}, atlas_, QRect(mask.topLeft(), QSize(kCellSide, rows)), RasterOp::kAnd);
  RasterCopy(mapImage1_, {left, top}, atlas_, QRect(sprite.topLeft(), QSize(kCellSide, rows)), RasterOp::kOr);
}

void BoardView::PresentBoard() {
  const QRect slot = ToQRect(atlas::kBoardSlot);
  RasterCopy(mainImage_, slot.topLeft(), mapImage1_, mapImage1_.rect(), RasterOp::kCopy);
  sink_.Update(slot);
}

void BoardView::EraseCell(int left, int top) {
  RasterCopy(mapImage2_, {left, top}, atlas_, ToQRect(atlas::kPlainIce), RasterOp::kCopy);
}

}  // namespace suispo
