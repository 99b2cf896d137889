// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The last five snapshots of the board, position and wall points, in fixed storage.
#pragma once

#include <array>

#include "core/rules/board.h"

namespace suispo {

inline constexpr int kUndoSlots = 5;

struct UndoRing {
  std::array<std::array<int, kCellCount>, kUndoSlots> undoCells{};
  std::array<std::array<int, kCellCount>, kUndoSlots> undoEastWalls{};
  std::array<std::array<int, kCellCount>, kUndoSlots> undoSouthWalls{};
  std::array<int, kUndoSlots> undoX{};
  std::array<int, kUndoSlots> undoY{};
  std::array<int, kUndoSlots> undoMp{};
  int undoCount = 0;  // snapshots that can still be undone, 0 to 5
  int undoIndex = 0;  // slot of the newest snapshot, 0 to 4
};

}  // namespace suispo
