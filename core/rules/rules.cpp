// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Slides, landings, warp partners and wall edges, computed from the board alone.
#include "core/rules/rules.h"

namespace suispo {

namespace {

// Only a solid wall or a hole stops a slide at `at`; a marked edge lets it pass.
bool StepBlocked(const Board& board, Cell at, int direction) {
  const auto [x, y] = at;
  if (board.cells[CellIndex(x, y)] == kHole) return true;
  switch (direction) {
    case kNorth: return y > 0 && board.southWalls[CellIndex(x, y - 1)] == kSolidWall;
    case kEast: return board.eastWalls[CellIndex(x, y)] == kSolidWall;
    case kSouth: return board.southWalls[CellIndex(x, y)] == kSolidWall;
    default: return x > 0 && board.eastWalls[CellIndex(x - 1, y)] == kSolidWall;
  }
}

}  // namespace

bool HasArrowLoop(const Board& board) {
  for (int i = 0; i < kCellCount; ++i) {
    for (int direction = kNorth; direction <= kWest; ++direction) {
      if (TraceSlide(board, {i / kBoardSize, i % kBoardSize}, direction).loopStopped) return true;
    }
  }
  return false;
}

SlidePath TraceSlide(const Board& board, Cell from, int direction) {
  SlidePath path;
  TraceSlide(board, from, direction, path);
  return path;
}

void TraceSlide(const Board& board, Cell from, int direction, SlidePath& path) {
  path.stepCount = 0;
  path.loopStopped = false;
  // A closed loop of arrows would never end: the pairs (cell, direction) met after each step.
  std::array<std::array<bool, 4>, kCellCount> reached{};
  Cell at = from;
  while (!StepBlocked(board, at, direction) && OnBoard(at.x + kStepX[direction], at.y + kStepY[direction])) {
    at = {at.x + kStepX[direction], at.y + kStepY[direction]};
    const int kind = board.cells[CellIndex(at.x, at.y)];
    if (IsArrow(kind)) direction = kind - kArrowNorth;
    path.steps[static_cast<std::size_t>(path.stepCount++)] = {at, direction};
    bool& seen = reached[static_cast<std::size_t>(CellIndex(at.x, at.y))][static_cast<std::size_t>(direction)];
    if (seen) {
      path.loopStopped = true;
      break;
    }
    seen = true;
  }
  path.rest = at;
  path.facing = direction;
}

Landing LandingAt(const Board& board, Cell at, int keysLeft) {
  const int kind = board.cells[CellIndex(at.x, at.y)];
  if (kind == kKey) return Landing::kKey;
  if (kind == kDoor) return keysLeft == 0 ? Landing::kCleared : Landing::kNone;
  if (kind == kHole) return Landing::kMissed;
  if (IsWarp(kind) && WarpPartner(board, at)) return Landing::kWarp;
  return Landing::kNone;
}

std::optional<Cell> WarpPartner(const Board& board, Cell pad) {
  const int kind = board.cells[CellIndex(pad.x, pad.y)];
  std::optional<Cell> partner;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (board.cells[CellIndex(x, y)] == kind && Cell{x, y} != pad) partner = Cell{x, y};
    }
  }
  return partner;
}

std::optional<Edge> EdgeBeside(Cell at, int direction) {
  const auto [x, y] = at;
  switch (direction) {
    case kNorth: return y == 0 ? std::nullopt : std::optional<Edge>(Edge{{x, y - 1}, true});
    case kEast: return x == kBoardSize - 1 ? std::nullopt : std::optional<Edge>(Edge{{x, y}, false});
    case kSouth: return y == kBoardSize - 1 ? std::nullopt : std::optional<Edge>(Edge{{x, y}, true});
    default: return x == 0 ? std::nullopt : std::optional<Edge>(Edge{{x - 1, y}, false});
  }
}

int& EdgeKind(Board& board, Edge edge) {
  const auto i = static_cast<std::size_t>(CellIndex(edge.owner.x, edge.owner.y));
  return edge.south ? board.southWalls[i] : board.eastWalls[i];
}

int EdgeKind(const Board& board, Edge edge) { return EdgeKind(const_cast<Board&>(board), edge); }

bool WallFits(const Board& board, Cell at, int direction) {
  const std::optional<Edge> edge = EdgeBeside(at, direction);
  return edge && EdgeKind(board, *edge) == kNoWall;
}

int KeysOn(const Board& board) {
  int keys = 0;
  for (int kind : board.cells) keys += kind == kKey;
  return keys;
}

}  // namespace suispo
