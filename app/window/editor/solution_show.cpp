// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// 解答を見る: a shortest clear of the edited stage played by the game itself on the editor's board, with
// the game's animations; the board takes no edit meanwhile and shows the stage again at the end.
#include <QPushButton>

#include "app/window/editor/editor_board.h"
#include "app/window/editor/editor_feedback.h"
#include "app/window/editor/stage_editor_screen.h"
#include "core/game/game.h"
#include "view/board_view.h"

namespace suispo {

void StageEditorScreen::solutionButtonClick() {
  if (showing_ || !feedback_->par() || feedback_->par()->outcome != SolveOutcome::kSolved) return;
  const std::vector<SolverOp> clear = feedback_->par()->clear;
  const std::vector<StageLine> lines = {edit_.Line()};
  NullWindow quiet;  // no record, no file: only the board shows the play
  Game game(lines, *boardView_, quiet);
  showing_ = true;
  boardImage->ShowCursor(false);
  game.ChooseStage(0);
  game.inputReady = 1;
  for (const SolverOp& op : clear) {
    if (!isVisible()) break;  // the window went on to something else
    if (op.wall) {
      game.PlaceWall(op.direction);
    } else {
      game.Slide(kStepX[op.direction], kStepY[op.direction], op.direction);
    }
  }
  showing_ = false;
  boardImage->ShowCursor(true);
  DrawBoard();
}

}  // namespace suispo
