// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The rules asked without drawing: where a slide goes and rests, what its resting cell does, where a wall may stand.
#pragma once

#include <array>
#include <cstddef>
#include <new>
#include <optional>

#include "core/rules/board.h"

namespace suispo {

// What a move's resting cell did.
enum class Landing { kNone, kKey, kCleared, kMissed, kWarp };

// A cell of the board by column and row.
struct Cell {
  int x = 0;
  int y = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// One step of a slide: the cell entered and the direction the slide goes on in from there (an arrow turns it).
struct SlideStep {
  Cell cell;
  int direction = kNorth;
  friend bool operator==(const SlideStep&, const SlideStep&) = default;
};

// A slide meets each pair (cell, direction) at most once; the step that repeats one is the last.
inline constexpr int kMaxSlideSteps = kCellCount * 4 + 1;

// Room for the steps of one slide. Only the first stepCount are ever written or read, and slides are
// traced very often (the solver asks for thousands a second), so the room is not cleared first.
class SlideSteps {
 public:
  SlideStep& operator[](std::size_t i) { return begin()[i]; }
  const SlideStep& operator[](std::size_t i) const { return begin()[i]; }
  SlideStep* begin() { return std::launder(reinterpret_cast<SlideStep*>(room_)); }
  const SlideStep* begin() const { return std::launder(reinterpret_cast<const SlideStep*>(room_)); }

 private:
  // Bytes make the steps as they are written (SlideStep is plain data).
  alignas(SlideStep) std::byte room_[sizeof(SlideStep) * kMaxSlideSteps];
};

// The whole of one slide, in fixed storage.
struct SlidePath {
  SlideSteps steps;
  int stepCount = 0;
  Cell rest;                 // where the character stops
  int facing = kNorth;       // the direction it faces there (the last arrow's, or the move's)
  bool loopStopped = false;  // a closed loop of arrows was cut: the slide ends with no landing effect
};

// The slide from cell `from` in `direction`: solid walls, the edge and holes stop it, arrows turn it,
// and a slide that comes to the same cell going the same way a second time stops there.
SlidePath TraceSlide(const Board& board, Cell from, int direction);
// The same into a path held elsewhere (a move's answer), its steps not copied.
void TraceSlide(const Board& board, Cell from, int direction, SlidePath& path);
// Whether a slide from some cell runs round a closed loop of arrows. Walls only ever cut a slide
// short, so a loop met in play is one of the bare board's loops.
bool HasArrowLoop(const Board& board);

// What coming to rest on `at` does, with `keysLeft` keys still on the board; a lone warp pad does nothing.
Landing LandingAt(const Board& board, Cell at, int keysLeft);

// The other pad of the warp pad's colour at `pad`: the last such cell in reading order; none for a lone pad.
std::optional<Cell> WarpPartner(const Board& board, Cell pad);

// An edge of the board as the cell that owns it (each cell owns its east and south edges).
struct Edge {
  Cell owner;
  bool south = false;
};

// The edge on the `direction` side of `at`; none where that side is the board's border.
std::optional<Edge> EdgeBeside(Cell at, int direction);
int& EdgeKind(Board& board, Edge edge);
int EdgeKind(const Board& board, Edge edge);

// Whether a wall may be built on the `direction` side of `at`: the edge exists and holds nothing
// (a marked edge takes no wall, though a slide passes it).
bool WallFits(const Board& board, Cell at, int direction);

// The number of key cells on a board.
int KeysOn(const Board& board);

}  // namespace suispo
