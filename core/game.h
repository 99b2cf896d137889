// The game state of the stage being played and the operations that change it: start, slide, wall, undo.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "board_painter.h"
#include "game_window.h"
#include "play_state.h"
#include "stage_line.h"
#include "undo_ring.h"

namespace suispo {

// The rules' answers come from play_state.h; this class draws them and drives the window.
class Game : public PlayState {
 public:
  // dataList: the stage lines, owned by the caller and read at each StartStage.
  Game(const std::vector<StageLine>& dataList, BoardPainter& painter, GameWindow& window);

  // Fills the board from a board text (positions 1 to 72) and builds both board images.
  void LoadBoard(std::string_view text);
  // (Re)starts dataList[stageIndex]; throws GameError for a wall-points field that is not a number.
  void StartStage();
  // A stage chosen on the stage select screen: a new play of dataList[index] starts.
  void ChooseStage(int index);
  // A move button: does nothing unless inputReady is 1.
  Landing Slide(int dx, int dy, int direction);
  // A wall button: does nothing unless inputReady is 1. True when a wall was placed.
  bool PlaceWall(int direction);
  void PushUndo();
  // The undo button: does nothing unless inputReady is 1 and a snapshot is held. True when one was restored.
  bool Undo();

  // The rest of the state the screens read (the board, position, facing, mp and keysLeft are PlayState's).
  int stageIndex = 0;
  int inputReady = 0;  // 1 when a game button may start an operation
  UndoRing undo;

 private:
  void CollectKey();
  void StageCleared();
  void StageMissed();
  void Warp(Cell partner);
  void TurnTo(int direction);

  // Where the play of a stage began: a line without "C" starts there again after a restart or a miss.
  struct PlayStart {
    int stage, x, y;
  };
  std::optional<PlayStart> playStart_;

  const std::vector<StageLine>& dataList_;
  BoardPainter& painter_;
  GameWindow& window_;
};

}  // namespace suispo
