// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board of one stage: cell contents and the walls on each cell's east and south edges.
#pragma once

#include <array>

namespace suispo {

inline constexpr int kBoardSize = 6;
inline constexpr int kCellCount = kBoardSize * kBoardSize;

// Cell contents (CellKind).
enum CellKind : int {
  kFloor = 0,
  kKey = 1,
  kDoor = 2,
  kHole = 3,
  kArrowNorth = 4,
  kArrowEast = 5,
  kArrowSouth = 6,
  kArrowWest = 7,
  kWarpRed = 8,
  kWarpBlue = 9,
  kWarpGreen = 10,
  kWarpOrange = 11,
};

constexpr bool IsArrow(int kind) { return kind >= kArrowNorth && kind <= kArrowWest; }
constexpr bool IsWarp(int kind) { return kind >= kWarpRed && kind <= kWarpOrange; }

// Edge contents (WallKind): a marked edge lets a slide pass but takes no wall.
enum WallKind : int { kNoWall = 0, kSolidWall = 1, kMarkedEdge = 2 };

// Direction, also the column of the character's sprite in the atlas.
enum Direction : int { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3 };

inline constexpr int kStepX[4] = {0, 1, 0, -1};
inline constexpr int kStepY[4] = {-1, 0, 1, 0};

// Arrays over the board are column-major: (x, y) lives at x * 6 + y.
constexpr int CellIndex(int x, int y) { return x * kBoardSize + y; }
constexpr bool OnBoard(int x, int y) { return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize; }

struct Board {
  std::array<int, kCellCount> cells{};
  std::array<int, kCellCount> eastWalls{};
  std::array<int, kCellCount> southWalls{};
  friend bool operator==(const Board&, const Board&) = default;
};

}  // namespace suispo
