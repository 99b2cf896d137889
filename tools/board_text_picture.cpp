// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Drawing the board in text, one row of cells between two rows of edges.
#include "tools/board_text_picture.h"

#include "core/rules/cell_kinds.h"

namespace suispo::tool {

std::string BoardPicture(const PlayState& game) {
  const Board& b = game.board;
  std::string text = "+---+---+---+---+---+---+\n";
  for (int y = 0; y < kBoardSize; ++y) {
    std::string cells = "|";
    std::string below = "+";
    for (int x = 0; x < kBoardSize; ++x) {
      const int i = CellIndex(x, y);
      const char symbol = CellKindOf(b.cells[i]).symbol;
      const bool here = x == game.playerX && y == game.playerY;
      cells += here ? std::string("[") + symbol + "]" : std::string(" ") + symbol + " ";
      const int east = x == kBoardSize - 1 ? kSolidWall : b.eastWalls[i];
      const int south = y == kBoardSize - 1 ? kSolidWall : b.southWalls[i];
      cells += east == kSolidWall ? "|" : east == kMarkedEdge ? ":" : " ";
      below += south == kSolidWall ? "---" : south == kMarkedEdge ? "..." : "   ";
      below += "+";
    }
    text += cells + "\n" + below + "\n";
  }
  return text;
}

}  // namespace suispo::tool
