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
// a slide). At most kMaxRemembered answers are kept, 8 MiB; past that a move is asked afresh.
class SolverMoves {
 public:
  static constexpr std::size_t kMaxRemembered = std::size_t{1} << 18;

  SolverMoves(const PlayState& start, const std::vector<int>& keyCells);

  // The edge bit that a wall on the `direction` side of `cell` takes on the starting board; -1 where the
  // rules refuse one there (the border, or an edge that holds something already).
  int WallEdge(int cell, int direction) const { return wallEdges_[static_cast<std::size_t>(cell * 4 + direction)]; }

  MoveAnswer Move(int cell, int direction, std::uint64_t walls, std::uint64_t keys) {
    const auto at = static_cast<std::size_t>(cell * 4 + direction);
    if (pathEdges_[at] == kNotTraced) pathEdges_[at] = PathEdges(cell, direction);
    const std::uint64_t where = (walls & pathEdges_[at]) | static_cast<std::uint64_t>(direction) << 60;
    const std::uint64_t what = keys | static_cast<std::uint64_t>(cell) << 36;
    const std::size_t mask = table_.size() - 1;
    for (std::size_t i = Index(where, what) & mask;; i = (i + 1) & mask) {
      const Remembered& r = table_[i];
      if ((r.what & kHeld) == 0) return Unpack(AskAndRemember(i, where, what, cell, direction, walls & pathEdges_[at], keys));
      if (r.where == where && (r.what & kWhatBits) == what) return Unpack(r.what);
    }
  }

  // The state as the rules layer plays it.
  PlayState StateOf(int cell, std::uint64_t walls, std::uint64_t keys) const;

 private:
  // A remembered answer in two words: the placed walls met (bits 0-59) and the direction (60-61); the
  // keys (bits 0-35), the cell (36-41), the answer (42-51) and whether the slot holds one (63).
  struct Remembered {
    std::uint64_t where = 0;
    std::uint64_t what = 0;
  };
  static constexpr std::uint64_t kNotTraced = ~std::uint64_t{0};
  static constexpr std::uint64_t kWhatBits = (std::uint64_t{1} << 42) - 1;
  static constexpr std::uint64_t kHeld = std::uint64_t{1} << 63;

  static std::size_t Index(std::uint64_t where, std::uint64_t what) {
    return static_cast<std::size_t>((where ^ what * 0x9e3779b97f4a7c15ull) * 0xbf58476d1ce4e5b9ull >> 40);
  }
  static MoveAnswer Unpack(std::uint64_t what) {
    return {static_cast<int>(what >> 42 & 63), static_cast<Landing>(what >> 48 & 7), (what >> 51 & 1) != 0};
  }
  // The inner edges that a slide from the cell passes with no wall placed.
  std::uint64_t PathEdges(int cell, int direction) const;
  // Asks the rules layer and keeps the answer in slot i (while there is room); the answer's word.
  std::uint64_t AskAndRemember(std::size_t i, std::uint64_t where, std::uint64_t what, int cell, int direction,
                               std::uint64_t met, std::uint64_t keys);
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
