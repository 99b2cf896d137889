// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Every kind of cell in one table: its stage-file code, its mechanic, its names and its picture symbol.
#pragma once

#include <array>

#include "core/rules/board.h"
#include "core/text/translatable.h"

namespace suispo {

// The kinds of piece a stage may be made of besides keys, door and walls, one bit each; core/design
// names them and reads them off a board. Marked edges are edges, not cells.
enum Mechanic : unsigned { kHoles = 1, kArrows = 2, kWarps = 4, kMarkedEdges = 8 };
inline constexpr int kMechanicCount = 4;

struct CellKindRow {
  int kind;            // the CellKind, also the row's place in the table
  char code;           // in the 36 cell codes of a stage line
  unsigned mechanic;   // the Mechanic that puts it on a stage; 0 for floor, key and door
  const char* name;    // what the stage tool's reports call it
  char symbol;         // in the stage tool's board pictures (and the tests' board pictures)
  const char* word;    // what the player reads for it; kinds of one mechanic share their word
};

// One row per CellKind, in kind order. A new kind also needs its tile (assets/atlas_map.h) and its rule.
inline constexpr std::array<CellKindRow, 12> kCellKinds = {{
    {kFloor, '0', 0, "floor", '.', SUISPO_TR_NOOP("CellKind", "氷")},
    {kKey, '1', 0, "key", 'K', SUISPO_TR_NOOP("CellKind", "鍵")},
    {kDoor, '2', 0, "door", 'D', SUISPO_TR_NOOP("CellKind", "扉")},
    {kHole, '3', kHoles, "hole", 'O', SUISPO_TR_NOOP("CellKind", "穴")},
    {kArrowNorth, '4', kArrows, "north arrow", '^', SUISPO_TR_NOOP("CellKind", "矢印")},
    {kArrowEast, '5', kArrows, "east arrow", '>', SUISPO_TR_NOOP("CellKind", "矢印")},
    {kArrowSouth, '6', kArrows, "south arrow", 'v', SUISPO_TR_NOOP("CellKind", "矢印")},
    {kArrowWest, '7', kArrows, "west arrow", '<', SUISPO_TR_NOOP("CellKind", "矢印")},
    {kWarpRed, '8', kWarps, "red warp pad", 'r', SUISPO_TR_NOOP("CellKind", "ワープ")},
    {kWarpBlue, '9', kWarps, "blue warp pad", 'b', SUISPO_TR_NOOP("CellKind", "ワープ")},
    {kWarpGreen, 'A', kWarps, "green warp pad", 'g', SUISPO_TR_NOOP("CellKind", "ワープ")},
    {kWarpOrange, 'B', kWarps, "orange warp pad", 'o', SUISPO_TR_NOOP("CellKind", "ワープ")},
}};

inline constexpr int kCellKindCount = static_cast<int>(kCellKinds.size());

constexpr bool RowsInKindOrder() {
  for (int i = 0; i < kCellKindCount; ++i) {
    if (kCellKinds[static_cast<std::size_t>(i)].kind != i) return false;
  }
  return true;
}
static_assert(RowsInKindOrder(), "kCellKinds holds the kinds in order, each at its own place");

constexpr bool IsCellKind(int kind) { return kind >= 0 && kind < kCellKindCount; }

// The row of a kind; anything that is no kind reads as floor.
constexpr const CellKindRow& CellKindOf(int kind) {
  return kCellKinds[static_cast<std::size_t>(IsCellKind(kind) ? kind : kFloor)];
}

}  // namespace suispo
