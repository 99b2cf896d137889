// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A play's start, move and wall: the state-only rules plus the history and the restart after a miss.
#include "core/rules/stage_play.h"

namespace suispo::rules {

void StagePlay::StartStage() {
  undo.undoCount = 0;
  undo.undoIndex = 0;
  moveCount = 0;
  if (start_) {
    playerX = start_->x;
    playerY = start_->y;
  } else {
    start_ = Position();
  }
  rules::StartStage(line_, *this);
  startedAt_ = Position();
}

void StagePlay::StartStage(const StageLine& line) {
  line_ = line;
  StartStage();
}

void StagePlay::PushUndo() {
  rules::PushUndo(undo, *this);
  undoMoveCounts_[static_cast<std::size_t>(undo.undoIndex)] = moveCount;
}

bool StagePlay::Undo() {
  const auto slot = static_cast<std::size_t>(undo.undoIndex);
  if (!rules::Undo(undo, *this)) return false;
  moveCount = undoMoveCounts_[slot];
  return true;
}

MoveResult StagePlay::Slide(int direction) {
  PushUndo();
  ++moveCount;
  const MoveResult move = rules::Slide(*this, direction);
  if (move.landing == Landing::kMissed) StartStage();
  return move;
}

bool StagePlay::PlaceWall(int direction) {
  PushUndo();
  const bool built = rules::PlaceWall(*this, direction);
  if (built) ++moveCount;
  return built;
}

}  // namespace suispo::rules
