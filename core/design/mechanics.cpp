// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Mechanics read off a board and taken off it.
#include "core/design/mechanics.h"

#include <iterator>

#include "core/design/draft.h"

namespace suispo {

namespace {

constexpr const char* kNames[] = {"holes", "arrows", "warps", "marked"};
static_assert(std::size(kNames) == std::size_t{kMechanicCount}, "every mechanic has its name");

// Marked edges are no cell kind; their word stands beside the cell kinds' for the translator.
constexpr const char* kMarkedEdgeWord = SUISPO_TR_NOOP("CellKind", "市松の辺");

// The word of a mechanic: its first cell kind's.
const char* WordOf(unsigned mechanic) {
  if (mechanic == kMarkedEdges) return kMarkedEdgeWord;
  for (const CellKindRow& row : kCellKinds) {
    if (row.mechanic == mechanic) return row.word;
  }
  return "";
}

unsigned MechanicOfCell(int kind) { return CellKindOf(kind).mechanic; }

}  // namespace

std::string MechanicNames(unsigned mechanics) {
  std::string out;
  for (int i = 0; i < kMechanicCount; ++i) {
    if (mechanics >> i & 1) out += (out.empty() ? "" : ",") + std::string(kNames[i]);
  }
  return out;
}

unsigned MechanicOfName(const std::string& name) {
  for (unsigned i = 0; i < unsigned{kMechanicCount}; ++i) {
    if (name == kNames[i]) return 1u << i;
  }
  return 0;
}

unsigned MechanicsOn(const Board& board) {
  unsigned m = 0;
  for (int kind : board.cells) m |= MechanicOfCell(kind);
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    if (EdgeKind(board, InnerEdge(e)) == kMarkedEdge) m |= kMarkedEdges;
  }
  return m;
}

void TakeKindsAway(Board& board, unsigned mechanics) {
  for (int& kind : board.cells) {
    if (MechanicOfCell(kind) & mechanics) kind = kFloor;
  }
  if ((mechanics & kMarkedEdges) == 0) return;
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    if (EdgeKind(board, InnerEdge(e)) == kMarkedEdge) EdgeKind(board, InnerEdge(e)) = kNoWall;
  }
}

std::vector<PieceCount> PiecesOn(const Board& board) {
  std::vector<PieceCount> pieces;
  for (int bit = 0; bit < kMechanicCount; ++bit) {
    const unsigned mechanic = 1u << bit;
    int count = 0;
    for (std::size_t i = 0; i < board.cells.size(); ++i) {
      if (MechanicOfCell(board.cells[i]) == mechanic) ++count;
      if (mechanic == kMarkedEdges) count += (board.eastWalls[i] == kMarkedEdge) + (board.southWalls[i] == kMarkedEdge);
    }
    if (count > 0) pieces.push_back({WordOf(mechanic), count});
  }
  return pieces;
}

}  // namespace suispo
