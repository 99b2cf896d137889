// What the rules ask of the drawing: the board primitives and the animations, in board-image pixels.
#pragma once

#include <string>

namespace suispo {

// Implemented by the view; tests plug in a recording fake. Positions (left, top) are the top-left
// corner of a 40 x 40 square in the 296 x 296 board images and need not be cell-aligned.
class BoardPainter {
 public:
  virtual ~BoardPainter() = default;

  // The board build.
  virtual void DrawFloor(int x, int y) = 0;                                  // x, y: column, row
  virtual void DrawTile(int left, int top, int cellKind) = 0;               // content tile of kinds 1..11
  virtual void DrawWall(int left, int top, bool horizontal, bool marked) = 0;  // left = x*48, top = y*48
  virtual void DrawBorder() = 0;
  virtual void SaveBackground() = 0;

  // The layered update of the working board.
  virtual void RestoreCell(int left, int top) = 0;
  virtual void DrawCharacter(int left, int top, int facing) = 0;
  virtual void PresentBoard() = 0;
  virtual void EraseCell(int left, int top) = 0;
  virtual void DrawStageName(const std::string& name) = 0;  // name: the stage line's bytes from position 76

  // Animations at the character's cell (x, y: column, row). They draw and wait; they change no state.
  virtual void AnimateStep(int x, int y, int dx, int dy, int facing) = 0;
  virtual void AnimateClear(int x, int y) = 0;
  virtual void AnimateMiss(int x, int y) = 0;
  virtual void AnimateSink(int x, int y) = 0;
  virtual void AnimateRise(int x, int y, int facing) = 0;
};

}  // namespace suispo
