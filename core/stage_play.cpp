// A play's start, move and wall: the state-only rules plus the history and the restart after a miss.
#include "core/stage_play.h"

namespace suispo::rules {

void StagePlay::StartStage() {
  undo.undoCount = 0;
  undo.undoIndex = 0;
  if (start_) {
    playerX = start_->x;
    playerY = start_->y;
  } else {
    start_ = Position();
  }
  rules::StartStage(line_, *this);
}

void StagePlay::StartStage(const StageLine& line) {
  line_ = line;
  StartStage();
}

MoveResult StagePlay::Slide(int direction) {
  PushUndo();
  const MoveResult move = rules::Slide(*this, direction);
  if (move.landing == Landing::kMissed) StartStage();
  return move;
}

bool StagePlay::PlaceWall(int direction) {
  PushUndo();
  return rules::PlaceWall(*this, direction);
}

}  // namespace suispo::rules
