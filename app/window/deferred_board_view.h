// The board painter behind the game: the board view, built at the first drawing of a stage.
#pragma once

#include <memory>

#include "core/board_painter.h"
#include "view/board_view.h"

namespace suispo {

class PlaySurface;

// Decoding the atlas and the play screen's background and making the board images is left
// until a stage is first started: the stage select screen, shown first, needs none of them.
class DeferredBoardView : public BoardPainter {
 public:
  DeferredBoardView(FrameClock& clock, PlaySurface& surface);
  ~DeferredBoardView() override;

  // The board view, built on first use; the play surface widget then shows its surface.
  BoardView& view();

  void DrawFloor(int x, int y) override;
  void DrawTile(int x, int y, int cellKind) override;
  void DrawWall(int x, int y, bool horizontal, bool marked) override;
  void DrawBorder() override;
  void SaveBackground() override;
  void RestoreCell(int x, int y) override;
  void DrawCharacter(int x, int y, int facing) override;
  void PresentBoard() override;
  void EraseCell(int x, int y) override;
  void DrawStageName(const std::string& name) override;
  void AnimateStep(int x, int y, int dx, int dy, int facing) override;
  void AnimateClear(int x, int y) override;
  void AnimateMiss(int x, int y) override;
  void AnimateSink(int x, int y) override;
  void AnimateRise(int x, int y, int facing) override;

 private:
  FrameClock& clock_;
  PlaySurface& surface_;
  std::unique_ptr<BoardView> view_;
};

}  // namespace suispo
