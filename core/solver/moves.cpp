// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The remembered answers: a table over (cell, keys, placed walls on the paths) that doubles at
// half load, and the rules layer asked on a rebuilt state for whatever it does not hold yet.
#include "core/solver/moves.h"

#include <bit>

namespace suispo {

namespace {

std::uint64_t EdgeMask(Cell at, int direction) {
  const std::optional<Edge> edge = EdgeBeside(at, direction);
  return edge ? std::uint64_t{1} << EdgeBit(*edge) : 0;
}

}  // namespace

int EdgeBit(Edge edge) {
  return edge.south ? 30 + edge.owner.x * 5 + edge.owner.y : edge.owner.x * 6 + edge.owner.y;
}

Edge EdgeOfBit(int bit) {
  return bit >= 30 ? Edge{{(bit - 30) / 5, (bit - 30) % 5}, true} : Edge{{bit / 6, bit % 6}, false};
}

SolverMoves::SolverMoves(const PlayState& start, const std::vector<int>& keyCells)
    : start_(start), keyCells_(keyCells), wallEdges_(kCellCount * 4, -1), pathEdges_(kCellCount, kNotTraced),
      table_(256), mask_(255), shift_(64 - 8) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    const Cell at{cell / kBoardSize, cell % kBoardSize};
    for (int direction = kNorth; direction <= kWest; ++direction) {
      if (WallFits(start.board, at, direction)) {
        wallEdges_[static_cast<std::size_t>(cell * 4 + direction)] = EdgeBit(*EdgeBeside(at, direction));
      }
    }
  }
}

PlayState SolverMoves::StateOf(int cell, std::uint64_t walls, std::uint64_t keys) const {
  PlayState state = start_;
  for (std::size_t k = 0; k < keyCells_.size(); ++k) {
    if (keys >> k & 1) continue;
    state.board.cells[static_cast<std::size_t>(keyCells_[k])] = kFloor;
    --state.keysLeft;
  }
  for (; walls != 0; walls &= walls - 1) {
    EdgeKind(state.board, EdgeOfBit(std::countr_zero(walls))) = kSolidWall;
    --state.mp;
  }
  state.playerX = cell / kBoardSize;
  state.playerY = cell % kBoardSize;
  return state;
}

std::uint64_t SolverMoves::PathEdges(int cell) const {
  const Cell from{cell / kBoardSize, cell % kBoardSize};
  std::uint64_t edges = 0;
  for (int direction = kNorth; direction <= kWest; ++direction) {
    const SlidePath path = TraceSlide(start_.board, from, direction);
    edges |= EdgeMask(from, direction);
    for (int i = 0; i < path.stepCount; ++i) {
      const SlideStep& step = path.steps[static_cast<std::size_t>(i)];
      edges |= EdgeMask(step.cell, step.direction);
    }
  }
  return edges;
}

std::uint64_t SolverMoves::AskAndRemember(std::size_t i, std::uint64_t met, std::uint64_t what, int cell,
                                          std::uint64_t keys) {
  const PlayState state = StateOf(cell, met, keys);
  std::uint64_t answers = 0;
  for (int direction = kNorth; direction <= kWest; ++direction) {
    PlayState moved = state;
    const MoveResult move = rules::Slide(moved, direction);
    const auto answer = static_cast<std::uint64_t>(CellIndex(moved.playerX, moved.playerY)) |
                        static_cast<std::uint64_t>(move.landing) << 6 |
                        static_cast<std::uint64_t>(move.path.loopStopped) << 9;
    answers |= answer << (direction * 10);
    const std::uint64_t onward = move.landing == Landing::kNone || move.landing == Landing::kWarp ? answer & 63
                                 : move.landing == Landing::kMissed                              ? MoveAnswers::kStops
                                                                                                 : MoveAnswers::kTakesOrClears;
    answers |= onward << (MoveAnswers::kOnwardShift + 6 * direction);
  }
  if (count_ < kMaxRemembered) {
    table_[i] = {met, what, answers};
    if (++count_ * 2 > table_.size()) Grow();
  }
  return answers;
}

void SolverMoves::Grow() {
  std::vector<Remembered> old(table_.size() * 2);
  old.swap(table_);
  mask_ = table_.size() - 1;
  --shift_;
  for (const Remembered& r : old) {
    if (r.what == 0) continue;
    std::size_t i = Index(r.met, r.what) >> shift_;
    while (table_[i].what != 0) i = (i + 1) & mask_;
    table_[i] = r;
  }
}

}  // namespace suispo
