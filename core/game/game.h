// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage on the play screen: the game's operations, played by the rules and shown on the board and window.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/game/board_painter.h"
#include "core/game/game_window.h"
#include "core/files/stage_names.h"
#include "core/game/sound_cues.h"
#include "core/rules/stage_line.h"
#include "core/rules/stage_play.h"

namespace suispo {

// Each operation lets rules::StagePlay change the state, then draws what it returned, in the order
// the screen shows it. The board, position, facing, mp, keysLeft and undo history are the play's.
class Game : public rules::StagePlay {
 public:
  // dataList: the stage lines, owned by the caller and read at each StartStage.
  Game(const std::vector<StageLine>& dataList, BoardPainter& painter, GameWindow& window);

  // The sounds of the operations from now on; silent until set. cues must outlive the game.
  void SetSoundCues(SoundCues& cues) { cues_ = &cues; }

  // Fills the board from a board text (positions 1 to 72) and builds both board images.
  void LoadBoard(std::string_view text);
  // (Re)starts dataList[stageIndex]; throws GameError for a wall-points field that is not a number.
  void StartStage();
  // A stage chosen on the stage select screen: a new play of dataList[index] starts.
  void ChooseStage(int index);
  // A move button: does nothing unless inputReady is 1, but for a press kept by typeAhead. Returns
  // the landing of this move, not of a kept one played after it.
  Landing Slide(int dx, int dy, int direction);
  // A wall button: does nothing unless inputReady is 1, but for a press kept by typeAhead. True when
  // a wall was placed.
  bool PlaceWall(int direction);
  void PushUndo();
  // The undo button: does nothing unless inputReady is 1 and a snapshot is held. True when one was restored.
  bool Undo();

  int stageIndex = 0;
  int inputReady = 0;  // 1 when a game button may start an operation
  // A move or wall pressed while a move is shown is kept (the newest only) and played as soon as
  // that move's animation has ended; a restart, a miss or a clear drops it. Off: the press is lost,
  // the game's own rule.
  bool typeAhead = false;
  // The names shown on the name plate by puzzle, owned by the caller; none: the stage file's names.
  const NameTable* stageNames = nullptr;

 private:
  // What each outcome shows, once the state has changed.
  void ShowStart();
  void ShowTurn(Cell at, int direction);
  void CollectKey();
  void StageCleared();
  void StageMissed(Cell hole);
  void Warp(Cell pad);
  void ShowFirstSnapshot(bool first);
  // The move itself, drawn to its end.
  Landing SlideOnce(int direction);
  // A press while a move is shown (its slide, warp, fall or clear): kept when typeAhead is on.
  void Keep(bool wall, int direction);
  // The kept presses, each once the move before it has ended.
  void PlayKept();

  // A press kept by typeAhead: a wall or a move, and its direction.
  struct KeptPress {
    bool wall = false;
    int direction = kNorth;
  };
  std::optional<KeptPress> kept_;
  bool sliding_ = false;  // a move's animation is being shown

  int playedStage_ = -1;  // the stage whose play StagePlay remembers the start of
  const std::vector<StageLine>& dataList_;
  BoardPainter& painter_;
  GameWindow& window_;
  SilentCues silent_;
  SoundCues* cues_ = &silent_;
};

}  // namespace suispo
