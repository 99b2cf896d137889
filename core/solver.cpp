// The breadth-first search: every state is rebuilt as a PlayState and each operation is played on it by
// the rules layer, so the solver knows no rule of its own.
#include "core/solver.h"

#include <algorithm>
#include <array>
#include <bit>

#include "core/solver_states.h"

namespace suispo {

namespace {

constexpr int kOpCount = 8;
constexpr std::uint8_t kNoOp = 0xff;
constexpr int kCellShift = 58;  // the character's cell above the key bits (at most 36 keys)

// Walls before moves: among equally short solutions the one that builds first wins.
SolverOp OpOf(int i) { return {i < 4, i & 3}; }

int EdgeBit(Edge edge) {
  return edge.south ? 30 + edge.owner.x * 5 + edge.owner.y : edge.owner.x * 6 + edge.owner.y;
}

Edge EdgeOfBit(int bit) {
  return bit >= 30 ? Edge{{(bit - 30) / 5, (bit - 30) % 5}, true} : Edge{{bit / 6, bit % 6}, false};
}

int CellOf(const PackedState& s) { return static_cast<int>(s.keysAndCell >> kCellShift); }
std::uint64_t KeysOf(const PackedState& s) { return s.keysAndCell & ((std::uint64_t{1} << kCellShift) - 1); }
PackedState Packed(std::uint64_t walls, std::uint64_t keys, Cell at) {
  return {walls, keys | static_cast<std::uint64_t>(CellIndex(at.x, at.y)) << kCellShift};
}

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

class Search {
 public:
  Search(const PlayState& start, const SolveOptions& options) : start_(start), options_(options), store_(options.stateLimit) {
    for (int i = 0; i < kCellCount; ++i) {
      if (start.board.cells[static_cast<std::size_t>(i)] == kKey) {
        keyBit_[static_cast<std::size_t>(i)] = static_cast<int>(keyCells_.size());
        keyCells_.push_back(i);
      }
    }
  }

  SolveResult Run() {
    SolveResult result;
    const std::uint64_t allKeys = (std::uint64_t{1} << keyCells_.size()) - 1;
    store_.Add(Packed(0, allKeys, start_.Position()), SolverStates::kNone, kNoOp);
    std::size_t goalParent = 0;
    int goalOp = -1;
    for (std::size_t head = 0; head < store_.size(); ++head) {
      const PackedState current = store_.state(head);
      const PlayState here = Rebuild(current);
      for (int op = 0; op < kOpCount; ++op) {
        PlayState next = here;
        PackedState reached = current;
        const SolverOp what = OpOf(op);
        if (what.wall) {
          if (!BuildWall(next, what.direction)) continue;
          reached.walls |= std::uint64_t{1} << EdgeBit(*EdgeBeside(here.Position(), what.direction));
        } else {
          const MoveResult move = Move(next, what.direction);
          result.loopStopReached = result.loopStopReached || move.path.loopStopped;
          if (move.landing == Landing::kMissed) continue;
          if (move.landing == Landing::kCleared) {
            if (goalOp < 0) {
              goalParent = head;
              goalOp = op;
            }
            if (!options_.exploreAll) return Finish(result, goalParent, goalOp);
            continue;
          }
          std::uint64_t keys = KeysOf(current);
          if (move.landing == Landing::kKey) {
            keys &= ~(std::uint64_t{1} << keyBit_[static_cast<std::size_t>(CellIndex(move.path.rest.x, move.path.rest.y))]);
          }
          reached = Packed(current.walls, keys, next.Position());
        }
        if (reached == current) continue;
        if (store_.size() >= options_.stateLimit && !store_.Contains(reached)) {
          result.outcome = SolveOutcome::kStopped;
          result.reason = "the search stopped at its limit of " + std::to_string(options_.stateLimit) + " states";
          if (goalOp >= 0) return Finish(result, goalParent, goalOp);
          result.states = store_.size();
          return result;
        }
        store_.Add(reached, static_cast<std::uint32_t>(head), static_cast<std::uint8_t>(op));
      }
    }
    result.complete = true;
    if (goalOp >= 0) return Finish(result, goalParent, goalOp);
    result.outcome = SolveOutcome::kNoSolution;
    result.reason = "no sequence of operations clears it";
    result.states = store_.size();
    return result;
  }

 private:
  // The state as the rules layer plays it: the start with the keys taken and the walls built.
  PlayState Rebuild(const PackedState& s) const {
    PlayState state = start_;
    const std::uint64_t keys = KeysOf(s);
    for (std::size_t k = 0; k < keyCells_.size(); ++k) {
      if (keys >> k & 1) continue;
      state.board.cells[static_cast<std::size_t>(keyCells_[k])] = kFloor;
      --state.keysLeft;
    }
    for (std::uint64_t walls = s.walls; walls != 0; walls &= walls - 1) {
      EdgeKind(state.board, EdgeOfBit(std::countr_zero(walls))) = kSolidWall;
      --state.mp;
    }
    const int cell = CellOf(s);
    state.playerX = cell / kBoardSize;
    state.playerY = cell % kBoardSize;
    return state;
  }

  SolveResult& Finish(SolveResult& result, std::size_t parent, int op) {
    if (result.outcome != SolveOutcome::kStopped) result.outcome = SolveOutcome::kSolved;
    result.ops.push_back(OpOf(op));
    for (std::size_t i = parent; store_.parent(i) != SolverStates::kNone; i = store_.parent(i)) {
      result.ops.push_back(OpOf(store_.op(i)));
    }
    std::reverse(result.ops.begin(), result.ops.end());
    for (const SolverOp& o : result.ops) (o.wall ? result.walls : result.moves)++;
    result.states = store_.size();
    return result;
  }

  const PlayState& start_;
  const SolveOptions& options_;
  SolverStates store_;
  std::vector<int> keyCells_;
  std::array<int, kCellCount> keyBit_{};
};

}  // namespace

SolveResult Solve(const PlayState& start, const SolveOptions& options) {
  if (std::string reason = HopelessReason(start); !reason.empty()) {
    SolveResult result;
    result.reason = std::move(reason);
    result.complete = true;
    return result;
  }
  return Search(start, options).Run();
}

}  // namespace suispo
