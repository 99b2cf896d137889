// One play of a stage without a screen: its state, undo history and where it began. Game draws on
// top of it; the stage tool, the solver's replays and the fuzzers play it as it is.
#pragma once

#include <optional>

#include "core/play_state.h"
#include "core/stage_line.h"
#include "core/undo_ring.h"

namespace suispo::rules {

class StagePlay : public PlayState {
 public:
  StagePlay() = default;
  explicit StagePlay(StageLine line) : line_(std::move(line)) {}

  // Starts (or restarts) the line with an empty history; throws GameError when its wall points are
  // no number, the board already loaded. A line without "C" starts every time of one play where
  // the first start found the character, so a miss never leaves it on the hole.
  void StartStage();
  void StartStage(const StageLine& line);  // the play goes on with this line (as read again)
  // The next start begins a new play: it keeps the position it finds.
  void NewPlay() { start_.reset(); }

  // Each operation stores a snapshot first, as the buttons do.
  // A move; a miss starts the stage again at once (the result still names the hole).
  MoveResult Slide(int direction);
  // A wall button; true when a wall was built.
  bool PlaceWall(int direction);
  void PushUndo() { rules::PushUndo(undo, *this); }
  // Takes back the newest operation; false when the history is empty.
  bool Undo() { return rules::Undo(undo, *this); }

  const StageLine& line() const { return line_; }

  UndoRing undo;

 private:
  StageLine line_;
  std::optional<Cell> start_;  // the position at the first start of this play
};

}  // namespace suispo::rules
