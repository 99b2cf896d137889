// The remembered answers: a table over (cell, direction, keys, placed walls on the path) that doubles at
// half load, and the rules layer asked on a rebuilt state for whatever it does not hold yet.
#include "core/solver_moves.h"

#include <bit>

#include "core/solver_states.h"

namespace suispo {

namespace {

constexpr std::uint64_t kAllEdges = ~std::uint64_t{0};
constexpr std::uint32_t kHeld = 0x80000000u;

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
    : start_(start), keyCells_(keyCells), wallEdges_(kCellCount * 4, -1), pathEdges_(kCellCount * 4, kAllEdges),
      table_(256) {
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

std::uint64_t SolverMoves::PathEdges(int cell, int direction) {
  std::uint64_t& edges = pathEdges_[static_cast<std::size_t>(cell * 4 + direction)];
  if (edges == kAllEdges) {
    const Cell from{cell / kBoardSize, cell % kBoardSize};
    const SlidePath path = TraceSlide(start_.board, from, direction);
    edges = EdgeMask(from, direction);
    for (int i = 0; i < path.stepCount; ++i) {
      const SlideStep& step = path.steps[static_cast<std::size_t>(i)];
      edges |= EdgeMask(step.cell, step.direction);
    }
  }
  return edges;
}

std::uint32_t SolverMoves::Ask(int cell, int direction, std::uint64_t walls, std::uint64_t keys) const {
  PlayState state = StateOf(cell, walls, keys);
  const MoveResult move = suispo::Move(state, direction);
  return kHeld | static_cast<std::uint32_t>(move.path.loopStopped) << 16 |
         static_cast<std::uint32_t>(move.landing) << 8 | static_cast<std::uint32_t>(CellIndex(state.playerX, state.playerY));
}

MoveAnswer SolverMoves::Move(int cell, int direction, std::uint64_t walls, std::uint64_t keys) {
  const std::uint64_t met = walls & PathEdges(cell, direction);
  // Keys take at most 36 bits, below the cell and the direction.
  const std::uint64_t what = keys | static_cast<std::uint64_t>(cell) << 56 | static_cast<std::uint64_t>(direction) << 62;
  const std::size_t mask = table_.size() - 1;
  std::size_t i = Mix(met ^ Mix(what)) & mask;
  while (table_[i].answer != 0 && (table_[i].walls != met || table_[i].keysCellDirection != what)) i = (i + 1) & mask;
  std::uint32_t answer = table_[i].answer;
  if (answer == 0) {
    answer = Ask(cell, direction, met, keys);
    if (count_ < kMaxRemembered) {
      table_[i] = {met, what, answer};
      if (++count_ * 2 > table_.size()) Grow();
    }
  }
  return {static_cast<int>(answer & 0xff), static_cast<Landing>(answer >> 8 & 0xff), (answer >> 16 & 1) != 0};
}

void SolverMoves::Grow() {
  std::vector<Remembered> old(table_.size() * 2);
  old.swap(table_);
  const std::size_t mask = table_.size() - 1;
  for (const Remembered& r : old) {
    if (r.answer == 0) continue;
    std::size_t i = Mix(r.walls ^ Mix(r.keysCellDirection)) & mask;
    while (table_[i].answer != 0) i = (i + 1) & mask;
    table_[i] = r;
  }
}

}  // namespace suispo
