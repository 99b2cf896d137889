// The board painter behind the game: the board view, built at the first drawing of a stage.
#include "deferred_board_view.h"

#include "assets/pictures.h"
#include "play_surface.h"

namespace suispo {

DeferredBoardView::DeferredBoardView(FrameClock& clock, PlaySurface& surface) : clock_(clock), surface_(surface) {}

DeferredBoardView::~DeferredBoardView() = default;

BoardView& DeferredBoardView::view() {
  if (!view_) {
    view_ = std::make_unique<BoardView>(assets::ReadPicture(assets::kAtlas), assets::ReadPicture(assets::kBackground),
                                        clock_, surface_);
    surface_.SetSurface(&view_->surface());
  }
  return *view_;
}

void DeferredBoardView::DrawFloor(int x, int y) { view().DrawFloor(x, y); }
void DeferredBoardView::DrawTile(int x, int y, int cellKind) { view().DrawTile(x, y, cellKind); }
void DeferredBoardView::DrawWall(int x, int y, bool horizontal, bool marked) { view().DrawWall(x, y, horizontal, marked); }
void DeferredBoardView::DrawBorder() { view().DrawBorder(); }
void DeferredBoardView::SaveBackground() { view().SaveBackground(); }
void DeferredBoardView::RestoreCell(int x, int y) { view().RestoreCell(x, y); }
void DeferredBoardView::DrawCharacter(int x, int y, int facing) { view().DrawCharacter(x, y, facing); }
void DeferredBoardView::PresentBoard() { view().PresentBoard(); }
void DeferredBoardView::EraseCell(int x, int y) { view().EraseCell(x, y); }
void DeferredBoardView::DrawStageName(const std::string& name) { view().DrawStageName(name); }
void DeferredBoardView::AnimateStep(int x, int y, int dx, int dy, int facing) {
  view().AnimateStep(x, y, dx, dy, facing);
}
void DeferredBoardView::AnimateClear(int x, int y) { view().AnimateClear(x, y); }
void DeferredBoardView::AnimateMiss(int x, int y) { view().AnimateMiss(x, y); }
void DeferredBoardView::AnimateSink(int x, int y) { view().AnimateSink(x, y); }
void DeferredBoardView::AnimateRise(int x, int y, int facing) { view().AnimateRise(x, y, facing); }

}  // namespace suispo
