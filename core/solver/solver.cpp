// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Solve and NextStep: a stage plainly hopeless is answered at once, any other searched (search.h).
#include "core/solver/solver.h"

#include <algorithm>
#include <array>

#include "core/solver/search.h"

namespace suispo {

namespace {

// Where the character could come to rest if a wall could stand on any open edge: every cell of a
// slide before an edge that takes a wall, and the slide's end. Placed walls only ever cut a slide
// short, so nothing outside this set can be reached in play.
std::array<bool, kCellCount> ReachableWithWallsAnywhere(const PlayState& start) {
  const Board& board = start.board;
  std::array<bool, kCellCount> reached{};
  std::vector<Cell> queue;
  auto reach = [&](Cell at) {
    bool& seen = reached[static_cast<std::size_t>(CellIndex(at.x, at.y))];
    if (!seen) queue.push_back(at);
    seen = true;
  };
  // A key left on the board keeps the door closed, so the door is a place to go on from.
  auto landOn = [&](Cell at) {
    const Landing landing = LandingAt(board, at, 1);
    if (landing == Landing::kWarp) reach(*WarpPartner(board, at));
    else if (landing != Landing::kMissed) reach(at);
  };
  reach(start.Position());
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const Cell from = queue[next];
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const SlidePath path = TraceSlide(board, from, direction);
      if (WallFits(board, from, direction)) landOn(from);
      for (int i = 0; i + 1 < path.stepCount; ++i) {
        const SlideStep& step = path.steps[static_cast<std::size_t>(i)];
        if (WallFits(board, step.cell, step.direction)) landOn(step.cell);
      }
      if (path.loopStopped) reach(path.rest);
      else landOn(path.rest);
    }
  }
  return reached;
}

std::string CellText(int index) {
  return "(" + std::to_string(index / kBoardSize) + ", " + std::to_string(index % kBoardSize) + ")";
}

// Why the stage plainly cannot be cleared, or nothing.
std::string HopelessReason(const PlayState& start) {
  const std::array<bool, kCellCount> reached = ReachableWithWallsAnywhere(start);
  bool door = false;
  bool doorReached = false;
  for (int i = 0; i < kCellCount; ++i) {
    if (start.board.cells[static_cast<std::size_t>(i)] != kDoor) continue;
    door = true;
    doorReached = doorReached || reached[static_cast<std::size_t>(i)];
  }
  if (!door) return "no door";
  if (!doorReached) return "the door cannot be reached";
  for (int i = 0; i < kCellCount; ++i) {
    if (start.board.cells[static_cast<std::size_t>(i)] == kKey && !reached[static_cast<std::size_t>(i)]) {
      return "the key at " + CellText(i) + " cannot be reached";
    }
  }
  return "";
}

}  // namespace

SolveResult Solve(const PlayState& start, const SolveOptions& options) {
  if (std::string reason = HopelessReason(start); !reason.empty()) {
    SolveResult result;
    result.reason = std::move(reason);
    result.complete = true;
    return result;
  }
  return SolverSearch(start, options).Run();
}

std::optional<SolverOp> NextStep(const PlayState& at, const SolveOptions& options) {
  const SolveResult result = Solve(at, options);
  if (result.outcome != SolveOutcome::kSolved || result.ops.empty()) return std::nullopt;
  return result.ops.front();
}

}  // namespace suispo
