// The rules layer's answers that the solver asks again and again, asked once and remembered: the edge a
// wall from a cell would take, and what a move does in a state of the search.
#pragma once

#include <cstdint>
#include <vector>

#include "play_state.h"

namespace suispo {

// What a move did: where the character ends up (past a warp pad), what its resting cell did, and
// whether the endless-loop bound cut the slide.
struct MoveAnswer {
  int cell = 0;
  Landing landing = Landing::kNone;
  bool loopStopped = false;
};

// A state of the search is the start with some keys taken (a bit per key cell, set while the key is on
// the board) and some walls placed (a bit per inner edge). Every answer comes from the rules layer
// playing that state; an answer is remembered under what it can depend on: the character's cell, the
// direction, the keys on the board, and the placed walls on the path the slide takes with none placed
// (a wall that the slide never reaches cannot change it, and a key, taken or not, neither stops nor turns
// a slide). At most kMaxRemembered answers are kept, 12 MiB; past that a move is asked afresh.
class SolverMoves {
 public:
  static constexpr std::size_t kMaxRemembered = std::size_t{1} << 18;

  SolverMoves(const PlayState& start, const std::vector<int>& keyCells);

  // The edge bit that a wall on the `direction` side of `cell` takes on the starting board; -1 where the
  // rules refuse one there (the border, or an edge that holds something already).
  int WallEdge(int cell, int direction) const { return wallEdges_[static_cast<std::size_t>(cell * 4 + direction)]; }

  MoveAnswer Move(int cell, int direction, std::uint64_t walls, std::uint64_t keys);

  // The state as the rules layer plays it.
  PlayState StateOf(int cell, std::uint64_t walls, std::uint64_t keys) const;

 private:
  struct Remembered {
    std::uint64_t walls = 0;
    std::uint64_t keysCellDirection = 0;
    std::uint32_t answer = 0;  // 0 while the slot is empty
  };
  // The inner edges that a slide from the cell passes with no wall placed (all bits set until asked).
  std::uint64_t PathEdges(int cell, int direction);
  std::uint32_t Ask(int cell, int direction, std::uint64_t walls, std::uint64_t keys) const;
  void Grow();

  const PlayState& start_;
  const std::vector<int>& keyCells_;
  std::vector<int> wallEdges_;
  std::vector<std::uint64_t> pathEdges_;
  std::vector<Remembered> table_;
  std::size_t count_ = 0;
};

// The bit of an inner edge in a set of placed walls, and back.
int EdgeBit(Edge edge);
Edge EdgeOfBit(int bit);

}  // namespace suispo
