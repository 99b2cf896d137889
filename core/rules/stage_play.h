// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// One play of a stage without a screen: its state, undo history and where it began. Game draws on
// top of it; the stage tool, the solver's replays and the fuzzers play it as it is.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/rules/play_state.h"
#include "core/rules/stage_line.h"
#include "core/rules/undo_depth.h"
#include "core/rules/undo_ring.h"

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
  // The next start begins a new play: it keeps the position it finds, and no hint is taken yet.
  void NewPlay() {
    start_.reset();
    hinted = false;
  }

  // Each operation stores a snapshot first, as the buttons do.
  // A move; a miss starts the stage again at once (the result still names the hole). With
  // UndoDepth::kUnlimited the history outlives the miss: the next undo takes the play back to just
  // before the falling move.
  MoveResult Slide(int direction);
  // A wall button; true when a wall was built.
  bool PlaceWall(int direction);
  // The snapshot holds the operation count too.
  void PushUndo();
  // Takes back the newest operation, its count included; false when the history is empty.
  bool Undo();
  // The operations undo can still take back.
  int UndoLeft() const;

  const StageLine& line() const { return line_; }
  // Where the character stood when this play last started: the line's "C", or for a line without
  // one, where the first start found it. With the line, it names the puzzle (core/rules/same_stage.h).
  Cell StartedAt() const { return startedAt_; }

  // Set before a play starts; the history of five is the game's own rule.
  UndoDepth undoDepth = UndoDepth::kFive;
  UndoRing undo;  // the history of five
  // The operations since the start, as the solver counts them: each move, and each wall built. A
  // restart or a miss begins again at 0.
  int moveCount = 0;
  // A hint was shown during this play (restarts included): its clear earns no star.
  bool hinted = false;

 private:
  StageLine line_;
  std::optional<Cell> start_;  // the position at the first start of this play
  Cell startedAt_;
  std::array<int, kUndoSlots> undoMoveCounts_{};  // moveCount of each undo snapshot, by slot
  // The whole history, oldest first, while undoDepth is kUnlimited.
  struct Snapshot {
    PlayState state;
    int moveCount = 0;
  };
  std::vector<Snapshot> history_;
  // The start of this play on the board, the history and the count left as they are.
  void Restart();
};

}  // namespace suispo::rules
