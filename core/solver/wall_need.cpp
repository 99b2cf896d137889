// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where the slides of a board rest, and which edges would stop them sooner, from the rules' own traces.
#include "core/solver/wall_need.h"

#include "core/solver/moves.h"

namespace suispo {

WallNeed::WallNeed(const PlayState& start, const std::vector<int>& keyCells) {
  // Placed walls only ever cut a slide short: it rests where it would with none placed, or on a cell
  // it passes, stopped by a wall on the side it goes on from there. Every cell's slides are traced,
  // not only those the character can reach, so nothing is missed.
  std::uint64_t restCells = 0;
  std::array<std::uint64_t, kCellCount> stoppers{};
  for (int cell = 0; cell < kCellCount; ++cell) {
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const SlidePath path = TraceSlide(start.board, {cell / kBoardSize, cell % kBoardSize}, direction);
      // A slide cut by the endless-loop bound leaves the character there without landing, and then a
      // move that goes nowhere lands on that cell: such a cell counts as a rest too.
      if (path.stepCount > 0) restCells |= std::uint64_t{1} << CellIndex(path.rest.x, path.rest.y);
      for (int i = 0; i < path.stepCount; ++i) {
        const SlideStep& step = path.steps[static_cast<std::size_t>(i)];
        if (!WallFits(start.board, step.cell, step.direction)) continue;
        stoppers[static_cast<std::size_t>(CellIndex(step.cell.x, step.cell.y))] |=
            std::uint64_t{1} << EdgeBit(*EdgeBeside(step.cell, step.direction));
      }
    }
  }
  // The character's own cell: a move that goes nowhere lands on it again.
  restCells |= std::uint64_t{1} << CellIndex(start.playerX, start.playerY);

  for (std::size_t k = 0; k < keyCells.size(); ++k) {
    const auto cell = static_cast<std::size_t>(keyCells[k]);
    if ((restCells >> cell & 1) != 0) continue;
    restless_ |= std::uint64_t{1} << k;
    stoppers_[k] = stoppers[cell];
  }
  // Any door clears: the doors are one place.
  doorBit_ = std::uint64_t{1} << keyCells.size();
  bool doorRests = false;
  std::uint64_t doorStoppers = 0;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (start.board.cells[static_cast<std::size_t>(cell)] != kDoor) continue;
    doorRests = doorRests || (restCells >> cell & 1) != 0;
    doorStoppers |= stoppers[static_cast<std::size_t>(cell)];
  }
  if (!doorRests) {
    restless_ |= doorBit_;
    stoppers_[keyCells.size()] = doorStoppers;
  }
}

}  // namespace suispo
