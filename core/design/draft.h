// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A stage as plain data to be edited (cells, edges, start, wall points), and the eight ways to turn or
// mirror a 6 x 6 board.
#pragma once

#include <array>
#include <string>

#include "core/rules/board.h"
#include "core/rules/rules.h"
#include "core/rules/stage_line.h"

namespace suispo {

struct StageDraft {
  Board board;     // the start cell holds floor
  int start = 0;   // CellIndex of the start
  int mp = 0;

  // The stage line: board text, wall points, "0" and the name (bytes as given).
  StageLine Line(const std::string& name = "") const;
  friend bool operator==(const StageDraft&, const StageDraft&) = default;
};

// The draft that a stage line starts (its last "C" is the start).
StageDraft DraftOfLine(const StageLine& line);

// The board's symmetries: 0 is the identity, 1-3 the turns by a quarter, a half and three quarters,
// 4-7 the mirrors (left-right, top-bottom, and the two diagonals).
inline constexpr int kSymmetryCount = 8;
Cell MapCell(int symmetry, Cell cell);
int MapDirection(int symmetry, int direction);
// The draft turned or mirrored: cells, arrows, edges and start alike.
StageDraft Transformed(const StageDraft& draft, int symmetry);
// The same text for two drafts exactly when one is a turn or mirror of the other.
std::string CanonicalText(const StageDraft& draft);

// An inner edge by number: 0-29 the east edges of columns 0-4, 30-59 the south edges of rows 0-4.
inline constexpr int kInnerEdgeCount = 60;
Edge InnerEdge(int number);
int InnerEdgeNumber(Edge edge);
// The inner edge that `edge` becomes under a symmetry.
int MapEdge(int symmetry, int number);
// Sets an inner edge and the edges a symmetry's turns or mirror make of it (symmetry 0: the edge alone),
// so a wall skeleton keeps its look as walls come and go.
void SetEdgeOrbit(StageDraft& draft, int symmetry, int number, int kind);

}  // namespace suispo
