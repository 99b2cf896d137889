// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A play's start, move and wall: the state-only rules plus the history and the restart after a miss.
#include "core/rules/stage_play.h"

namespace suispo::rules {

void StagePlay::StartStage() {
  undo.undoCount = 0;
  undo.undoIndex = 0;
  history_.clear();
  moveCount = 0;
  Restart();
}

void StagePlay::Restart() {
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
  if (undoDepth == UndoDepth::kUnlimited) {
    history_.push_back({*this, moveCount});
    return;
  }
  rules::PushUndo(undo, *this);
  undoMoveCounts_[static_cast<std::size_t>(undo.undoIndex)] = moveCount;
}

bool StagePlay::Undo() {
  if (undoDepth == UndoDepth::kUnlimited) {
    if (history_.empty()) return false;
    // As the ring does: facing stays as it is, the keys are counted on the board taken back.
    const int facingNow = facing;
    static_cast<PlayState&>(*this) = history_.back().state;
    facing = facingNow;
    moveCount = history_.back().moveCount;
    history_.pop_back();
    return true;
  }
  const auto slot = static_cast<std::size_t>(undo.undoIndex);
  if (!rules::Undo(undo, *this)) return false;
  moveCount = undoMoveCounts_[slot];
  return true;
}

int StagePlay::UndoLeft() const {
  return undoDepth == UndoDepth::kUnlimited ? static_cast<int>(history_.size()) : undo.undoCount;
}

MoveResult StagePlay::Slide(int direction) {
  PushUndo();
  ++moveCount;
  const MoveResult move = rules::Slide(*this, direction);
  if (move.landing == Landing::kMissed) {
    if (undoDepth == UndoDepth::kUnlimited) {
      // The fall stays in the history: its snapshot is the newest, so undo takes it back.
      moveCount = 0;
      Restart();
    } else {
      StartStage();
    }
  }
  return move;
}

bool StagePlay::PlaceWall(int direction) {
  PushUndo();
  const bool built = rules::PlaceWall(*this, direction);
  if (built) ++moveCount;
  return built;
}

}  // namespace suispo::rules
