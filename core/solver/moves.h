// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The rules layer's answers that the solver asks again and again, asked once and remembered: the edge a
// wall from a cell would take, and what the four moves from a cell do in a state of the search.
#pragma once

#include <cstdint>
#include <vector>

#include "core/rules/play_state.h"

namespace suispo {

// What a move did, in ten bits: where the character ends up (past a warp pad), what its resting cell
// did, and whether the endless-loop bound cut the slide.
struct MoveAnswer {
  std::uint32_t bits = 0;
  int Cell() const { return static_cast<int>(bits & 63); }
  Landing Landed() const { return static_cast<Landing>(bits >> 6 & 7); }
  bool LoopStopped() const { return (bits >> 9 & 1) != 0; }
};

// The answers of the four moves from a cell, north first, ten bits each; above them, six bits per move
// for a search over moves alone: the cell it rests on when it goes on from there (plain floor or past a
// warp pad), kTakesOrClears when it takes a key or clears, kStops when it falls into a hole. So such a
// search reads where the four go in a few operations.
struct MoveAnswers {
  static constexpr int kOnwardShift = 40;
  static constexpr std::uint64_t kTakesOrClears = 62;
  static constexpr std::uint64_t kStops = 63;
  static constexpr std::uint64_t kCells = (std::uint64_t{1} << kCellCount) - 1;
  std::uint64_t bits = 0;
  MoveAnswer operator[](int direction) const { return {static_cast<std::uint32_t>(bits >> (direction * 10) & 1023)}; }
  // A bit per cell the moves that go on rest on, and the bits kTakesOrClears and kStops.
  std::uint64_t Onward() const {
    std::uint64_t cells = 0;
    for (int direction = kNorth; direction <= kWest; ++direction) {
      cells |= std::uint64_t{1} << (bits >> (kOnwardShift + 6 * direction) & 63);
    }
    return cells;
  }
};

// A state of the search is the start with some keys taken (a bit per key cell, set while the key is on
// the board) and some walls placed (a bit per inner edge). Every answer comes from the rules layer
// playing that state; the answers are remembered under what they can depend on: the character's cell,
// the keys on the board, and the placed walls on the paths the four slides take with none placed (a wall
// that a slide never reaches cannot change it, and a key, taken or not, neither stops nor turns a slide).
// At most kMaxRemembered cells' answers are kept; past that they are asked afresh.
class SolverMoves {
 public:
  static constexpr std::size_t kMaxRemembered = std::size_t{1} << 18;
  // The table doubles at half load, so it ends at 2 * kMaxRemembered slots of 24 bytes, 12 MiB; while it
  // doubles the old half is held beside it, 18 MiB at the most.
  static constexpr std::size_t kMostTableBytes = std::size_t{12} << 20;
  static constexpr std::size_t kMostBytes = kMostTableBytes + kMostTableBytes / 2;

  SolverMoves(const PlayState& start, const std::vector<int>& keyCells);

  // The edge bit that a wall on the `direction` side of `cell` takes on the starting board; -1 where the
  // rules refuse one there (the border, or an edge that holds something already).
  int WallEdge(int cell, int direction) const { return wallEdges_[static_cast<std::size_t>(cell * 4 + direction)]; }

  MoveAnswers Moves(int cell, std::uint64_t walls, std::uint64_t keys) {
    const auto at = static_cast<std::size_t>(cell);
    if (pathEdges_[at] == kNotTraced) pathEdges_[at] = PathEdges(cell);
    const std::uint64_t met = walls & pathEdges_[at];
    const std::uint64_t what = keys | static_cast<std::uint64_t>(cell) << 36 | kHeld;
    for (std::size_t i = Index(met, what) >> shift_;; i = (i + 1) & mask_) {
      const Remembered& r = table_[i];
      if (r.met == met && r.what == what) return {r.answers};
      if (r.what == 0) return {AskAndRemember(i, met, what, cell, keys)};
    }
  }

  // The state as the rules layer plays it.
  PlayState StateOf(int cell, std::uint64_t walls, std::uint64_t keys) const;

 private:
  // Remembered answers: the placed walls met, the keys (bits 0-35) with the cell (36-41) and a mark that
  // the slot holds answers (63), and the answers; an empty slot is all zero.
  struct Remembered {
    std::uint64_t met = 0;
    std::uint64_t what = 0;
    std::uint64_t answers = 0;
  };
  static_assert(2 * kMaxRemembered * sizeof(Remembered) == kMostTableBytes);
  static constexpr std::uint64_t kNotTraced = ~std::uint64_t{0};
  static constexpr std::uint64_t kHeld = std::uint64_t{1} << 63;

  static std::uint64_t Index(std::uint64_t met, std::uint64_t what) {
    return (met ^ what * 0x9e3779b97f4a7c15ull) * 0xbf58476d1ce4e5b9ull;
  }
  // The inner edges that the four slides from the cell pass with no wall placed.
  std::uint64_t PathEdges(int cell) const;
  // Asks the rules layer and keeps the answers in slot i (while there is room).
  std::uint64_t AskAndRemember(std::size_t i, std::uint64_t met, std::uint64_t what, int cell, std::uint64_t keys);
  void Grow();

  const PlayState& start_;
  const std::vector<int>& keyCells_;
  std::vector<int> wallEdges_;
  std::vector<std::uint64_t> pathEdges_;
  std::vector<Remembered> table_;
  std::size_t mask_ = 0;
  int shift_ = 0;  // the slot is the top bits of Index
  std::size_t count_ = 0;
};

// The bit of an inner edge in a set of placed walls, and back.
int EdgeBit(Edge edge);
Edge EdgeOfBit(int bit);

}  // namespace suispo
