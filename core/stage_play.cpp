// The game's operations without drawing: each stores a snapshot first, as the buttons do.
#include "core/stage_play.h"

namespace suispo {

void StagePlay::StartStage() {
  undo.undoCount = 0;
  undo.undoIndex = 0;
  if (start_) {
    state.playerX = start_->x;
    state.playerY = start_->y;
  } else {
    start_ = state.Position();
  }
  StartFromLine(line_, state);
}

Landing StagePlay::Slide(int direction) {
  PushSnapshot(undo, state);
  const Landing landing = Move(state, direction).landing;
  if (landing == Landing::kMissed) StartStage();
  return landing;
}

bool StagePlay::PlaceWall(int direction) {
  PushSnapshot(undo, state);
  return BuildWall(state, direction);
}

bool StagePlay::Undo() { return RestoreSnapshot(undo, state); }

}  // namespace suispo
