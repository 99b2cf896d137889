// A stage played without a screen: the game's operations on its state and undo history, for the
// stage tool, the solver's replays and the fuzzers.
#pragma once

#include <optional>

#include "play_state.h"
#include "stage_line.h"
#include "undo_ring.h"

namespace suispo {

class StagePlay {
 public:
  explicit StagePlay(StageLine line) : line_(std::move(line)) {}

  // Starts (or restarts) the stage from its line, with an empty history; throws GameError when its
  // wall points are no number. A line without "C" starts every time where the first start found the
  // character, so a miss never leaves it on the hole.
  void StartStage();
  // A move; a miss starts the stage again, as in the game.
  Landing Slide(int direction);
  // A wall button; true when a wall was built.
  bool PlaceWall(int direction);
  // Takes back the newest operation; false when the history is empty.
  bool Undo();

  PlayState state;
  UndoRing undo;

 private:
  StageLine line_;
  std::optional<Cell> start_;  // the position at the first start of this play
};

}  // namespace suispo
