// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the game asks of the drawing (the board primitives and the animations, by cell), and a painter
// that draws nothing.
#pragma once

#include <string>

namespace suispo {

// Implemented by the view; tests plug in a recording fake. Cells are (x, y) = (column, row), 0 to 5;
// where the pixels go is the view's business.
class BoardPainter {
 public:
  virtual ~BoardPainter() = default;

  // The board build.
  virtual void DrawFloor(int x, int y) = 0;
  virtual void DrawTile(int x, int y, int cellKind) = 0;  // content tile of kinds 1..11
  // The east (vertical) or south (horizontal) edge of cell (x, y); -1 names the border's band
  // before column or row 0.
  virtual void DrawWall(int x, int y, bool horizontal, bool marked) = 0;
  virtual void DrawBorder() = 0;
  virtual void SaveBackground() = 0;

  // The layered update of the working board.
  virtual void RestoreCell(int x, int y) = 0;
  virtual void DrawCharacter(int x, int y, int facing) = 0;
  virtual void PresentBoard() = 0;
  virtual void EraseCell(int x, int y) = 0;
  virtual void DrawStageName(const std::string& name) = 0;  // name: the stage line's bytes from position 76

  // Animations at the character's cell; (dx, dy) is the step's direction. They draw and wait; they
  // change no state.
  virtual void AnimateStep(int x, int y, int dx, int dy, int facing) = 0;
  // verdict: what the name plate says about the clear after the banner (UTF-8; empty keeps the banner).
  virtual void AnimateClear(int x, int y, const std::string& verdict) = 0;
  virtual void AnimateMiss(int x, int y) = 0;
  virtual void AnimateSink(int x, int y) = 0;
  virtual void AnimateRise(int x, int y, int facing) = 0;
};

// For a game played where nobody looks (the model cross-check, a tool that reads only the state).
class NullPainter : public BoardPainter {
 public:
  void DrawFloor(int, int) override {}
  void DrawTile(int, int, int) override {}
  void DrawWall(int, int, bool, bool) override {}
  void DrawBorder() override {}
  void SaveBackground() override {}
  void RestoreCell(int, int) override {}
  void DrawCharacter(int, int, int) override {}
  void PresentBoard() override {}
  void EraseCell(int, int) override {}
  void DrawStageName(const std::string&) override {}
  void AnimateStep(int, int, int, int, int) override {}
  void AnimateClear(int, int, const std::string&) override {}
  void AnimateMiss(int, int) override {}
  void AnimateSink(int, int) override {}
  void AnimateRise(int, int, int) override {}
};

}  // namespace suispo
