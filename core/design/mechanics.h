// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The kinds of piece a stage is made of besides keys, door and walls: their names, which are on a
// board and how many, and a board with every piece of some kinds taken away.
#pragma once

#include <string>
#include <vector>

#include "core/rules/cell_kinds.h"

namespace suispo {

// The bits (Mechanic) live with the cell kinds in core/rules/cell_kinds.h.
inline constexpr unsigned kAllMechanics = (1u << kMechanicCount) - 1;
// At most this many kinds on one stage, but for the last chapter's stages.
inline constexpr int kMostKinds = 3;

// "holes", "arrows", "warps", "marked" for the bits set, joined by ",".
std::string MechanicNames(unsigned mechanics);
// The bit of one name of MechanicNames; 0 for any other text.
unsigned MechanicOfName(const std::string& name);
unsigned MechanicsOn(const Board& board);

// The pieces of one mechanic on a board, under the word the player reads for them (context "CellKind").
struct PieceCount {
  const char* word;
  int count;
};
// The mechanics on a board in the order of their bits, each under its first cell kind's word; marked
// edges count every marked east and south edge of a cell.
std::vector<PieceCount> PiecesOn(const Board& board);
// The cells of the kinds become floor, their marked edges open ice; the rest stays.
void TakeKindsAway(Board& board, unsigned mechanics);

}  // namespace suispo
