// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The state of a stage in play, and the rules' operations on it alone, drawing nothing.
#pragma once

#include <string_view>

#include "core/rules/board.h"
#include "core/rules/rules.h"
#include "core/rules/stage_line.h"
#include "core/rules/undo_ring.h"

namespace suispo {

struct PlayState {
  Board board;
  int playerX = 0;
  int playerY = 0;
  int facing = kNorth;
  int mp = 0;
  int keysLeft = 0;

  Cell Position() const { return {playerX, playerY}; }
  friend bool operator==(const PlayState&, const PlayState&) = default;
};

// A move's answer: the slide and what its resting cell did.
struct MoveResult {
  SlidePath path;
  Landing landing = Landing::kNone;
  Cell warpedFrom;  // the pad the character sank into, for a warp
};

// The game's operations as changes of the state alone; Game (core/game.h) draws what they return.
// They carry the game's names: the namespace tells them apart.
namespace rules {

// Fills the board and keysLeft from a board text (positions 1 to 72); the last "C" sets the position,
// and a text without one leaves it. Positions past the end of a short text are floor with no walls.
void LoadBoard(std::string_view text, PlayState& state);

// A stage's line as its start: the board, the wall points (throws GameError when they are no number,
// the board already loaded), facing north.
void StartStage(const StageLine& line, PlayState& state);

// The key under the character is taken.
void CollectKey(PlayState& state);

// Turns and slides; takes the key or crosses the warp where the slide rests. A miss or a clear
// leaves the character on the hole or the door: restarting or leaving is the caller's.
MoveResult Slide(PlayState& state, int direction);

// Turns towards the edge and builds a wall there if a wall point is left and the edge is free.
bool PlaceWall(PlayState& state, int direction);

// Undo snapshots: the board, the position and the wall points before an operation.
void PushUndo(UndoRing& ring, const PlayState& state);
// Takes the newest snapshot back (false when none is held); facing stays as it is.
bool Undo(UndoRing& ring, PlayState& state);

}  // namespace rules
}  // namespace suispo
