// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board build, cell by cell in reading order.
#include "core/game/board_build.h"

namespace suispo {

void BuildBoard(const Board& board, BoardPainter& painter) {
  for (int k = 0; k < kCellCount; ++k) {
    const int x = k % kBoardSize;
    const int y = k / kBoardSize;
    painter.DrawFloor(x, y);
    const int kind = board.cells[CellIndex(x, y)];
    if (kind != kFloor) painter.DrawTile(x, y, kind);
  }
  for (int k = 0; k < kCellCount; ++k) {
    const int x = k % kBoardSize;
    const int y = k / kBoardSize;
    const int east = board.eastWalls[CellIndex(x, y)];
    const int south = board.southWalls[CellIndex(x, y)];
    // Solid strips first, then marked ones, so the corners overlap the same way on every board.
    if (east == kSolidWall) painter.DrawWall(x, y, false, false);
    if (south == kSolidWall) painter.DrawWall(x, y, true, false);
    if (east == kMarkedEdge) painter.DrawWall(x, y, false, true);
    if (south == kMarkedEdge) painter.DrawWall(x, y, true, true);
  }
  painter.DrawBorder();
  painter.SaveBackground();
}

}  // namespace suispo
