// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage drafts: to and from stage lines, and turned or mirrored.
#include "core/design/draft.h"

#include <algorithm>

#include "core/rules/play_state.h"

namespace suispo {

StageLine StageDraft::Line(const std::string& name) const {
  StageLine line;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      line += CellIndex(x, y) == start ? 'C' : CodeOfCellKind(board.cells[static_cast<std::size_t>(CellIndex(x, y))]);
    }
  }
  line += WriteBoardText(board).substr(kCellCount);
  return line + static_cast<char>('0' + mp / 10 % 10) + static_cast<char>('0' + mp % 10) + "0" + name;
}

StageDraft DraftOfLine(const StageLine& line) {
  PlayState state;
  rules::StartStage(line, state);
  return {state.board, CellIndex(state.playerX, state.playerY), state.mp};
}

Cell MapCell(int symmetry, Cell c) {
  constexpr int n = kBoardSize - 1;
  switch (symmetry) {
    case 1: return {n - c.y, c.x};
    case 2: return {n - c.x, n - c.y};
    case 3: return {c.y, n - c.x};
    case 4: return {n - c.x, c.y};
    case 5: return {c.x, n - c.y};
    case 6: return {c.y, c.x};
    case 7: return {n - c.y, n - c.x};
    default: return c;
  }
}

int MapDirection(int symmetry, int direction) {
  // The step of the direction, mapped as a vector (the image of a cell minus the image of the centre).
  const Cell from = MapCell(symmetry, {2, 2});
  const Cell to = MapCell(symmetry, {2 + kStepX[direction], 2 + kStepY[direction]});
  for (int d = kNorth; d <= kWest; ++d) {
    if (kStepX[d] == to.x - from.x && kStepY[d] == to.y - from.y) return d;
  }
  return direction;
}

Edge InnerEdge(int number) {
  if (number < 30) return {{number / kBoardSize, number % kBoardSize}, false};
  const int i = number - 30;
  return {{i % kBoardSize, i / kBoardSize}, true};
}

int InnerEdgeNumber(Edge edge) {
  return edge.south ? 30 + edge.owner.y * kBoardSize + edge.owner.x : edge.owner.x * kBoardSize + edge.owner.y;
}

int MapEdge(int symmetry, int number) {
  const Edge edge = InnerEdge(number);
  const Cell a = MapCell(symmetry, edge.owner);
  const Cell b = MapCell(symmetry, {edge.owner.x + (edge.south ? 0 : 1), edge.owner.y + (edge.south ? 1 : 0)});
  const Cell owner{std::min(a.x, b.x), std::min(a.y, b.y)};
  return InnerEdgeNumber({owner, a.x == b.x});
}

void SetEdgeOrbit(StageDraft& draft, int symmetry, int number, int kind) {
  EdgeKind(draft.board, InnerEdge(number)) = kind;
  if (symmetry == 0) return;
  // A turn's orbit has up to four edges; a mirror's two.
  for (int e = MapEdge(symmetry, number), n = 1; e != number && n < 4; e = MapEdge(symmetry, e), ++n) {
    EdgeKind(draft.board, InnerEdge(e)) = kind;
  }
}

StageDraft Transformed(const StageDraft& draft, int symmetry) {
  StageDraft out;
  out.mp = draft.mp;
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const Cell to = MapCell(symmetry, {x, y});
      int kind = draft.board.cells[static_cast<std::size_t>(CellIndex(x, y))];
      if (IsArrow(kind)) kind = kArrowNorth + MapDirection(symmetry, kind - kArrowNorth);
      out.board.cells[static_cast<std::size_t>(CellIndex(to.x, to.y))] = kind;
      if (CellIndex(x, y) == draft.start) out.start = CellIndex(to.x, to.y);
    }
  }
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    EdgeKind(out.board, InnerEdge(MapEdge(symmetry, e))) = EdgeKind(draft.board, InnerEdge(e));
  }
  return out;
}

std::string CanonicalText(const StageDraft& draft) {
  std::string best;
  for (int s = 0; s < kSymmetryCount; ++s) {
    StageDraft t = Transformed(draft, s);
    t.mp = 0;
    std::string text = t.Line();
    if (best.empty() || text < best) best = text;
  }
  return best;
}

}  // namespace suispo
