// The board painter behind the game: the board view, built at the first drawing of a stage.
#include "deferred_board_view.h"

#include "picture_reader.h"
#include "play_surface.h"

namespace suispo {

DeferredBoardView::DeferredBoardView(FrameClock& clock, PlaySurface& surface) : clock_(clock), surface_(surface) {}

DeferredBoardView::~DeferredBoardView() = default;

BoardView& DeferredBoardView::view() {
  if (!view_) {
    view_ = std::make_unique<BoardView>(ReadPicture(QStringLiteral("atlas.png")),
                                        ReadPicture(QStringLiteral("background.png")), clock_, surface_);
    surface_.SetSurface(&view_->surface());
  }
  return *view_;
}

void DeferredBoardView::DrawFloor(int x, int y) { view().DrawFloor(x, y); }
void DeferredBoardView::DrawTile(int left, int top, int cellKind) { view().DrawTile(left, top, cellKind); }
void DeferredBoardView::DrawWall(int left, int top, bool horizontal, bool marked) {
  view().DrawWall(left, top, horizontal, marked);
}
void DeferredBoardView::DrawBorder() { view().DrawBorder(); }
void DeferredBoardView::SaveBackground() { view().SaveBackground(); }
void DeferredBoardView::RestoreCell(int left, int top) { view().RestoreCell(left, top); }
void DeferredBoardView::DrawCharacter(int left, int top, int facing) { view().DrawCharacter(left, top, facing); }
void DeferredBoardView::PresentBoard() { view().PresentBoard(); }
void DeferredBoardView::EraseCell(int left, int top) { view().EraseCell(left, top); }
void DeferredBoardView::DrawStageName(const std::string& name) { view().DrawStageName(name); }
void DeferredBoardView::AnimateStep(int x, int y, int dx, int dy, int facing) {
  view().AnimateStep(x, y, dx, dy, facing);
}
void DeferredBoardView::AnimateClear(int x, int y) { view().AnimateClear(x, y); }
void DeferredBoardView::AnimateMiss(int x, int y) { view().AnimateMiss(x, y); }
void DeferredBoardView::AnimateSink(int x, int y) { view().AnimateSink(x, y); }
void DeferredBoardView::AnimateRise(int x, int y, int facing) { view().AnimateRise(x, y, facing); }

}  // namespace suispo
