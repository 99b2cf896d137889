// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The play screen's handlers: a stage chosen and entered, the game buttons, the questions, leaving.
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

#include "app/window/animation_pace.h"
#include "app/window/play_screen.h"
#include "app/window/play_surface.h"

namespace suispo {

// The choices of Game > 戻せる回数 and 先行入力 as the store holds them, for the play that starts.
void PlayScreen::ReadPlayChoices() {
  game_->undoDepth = store_.undoDepth;
  game_->typeAhead = store_.typeAhead != 0;
}

void PlayScreen::ChooseStage(int row) {
  boardView_->SetScale(PaintedScale());
  ReadPlayChoices();
  boardView_->Load();  // the play surface, shown from the next screen on
  game_->ChooseStage(row);
  lastVerdict_ = {};  // another stage is played
  store_.RememberStage(game_->stageIndex);
}

void PlayScreen::StartTrial() {
  boardView_->SetScale(PaintedScale());
  game_->ChooseStage(0);
  Enter();
}

void PlayScreen::Enter() {
  StartRecord();
  ReadGlyphs();
  shell_.ShowScreen(this);
  game_->inputReady = 1;
}

// Each operation starts by dropping the hint of the position it leaves.
void PlayScreen::Move(int dx, int dy, int direction) {
  DropHint();
  const auto ended = qScopeGuard([this] { pace_.MoveEnded(); });
  game_->Slide(dx, dy, direction);
}

void PlayScreen::NMoveButtonClick() { Move(0, -1, kNorth); }
void PlayScreen::EMoveButtonClick() { Move(1, 0, kEast); }
void PlayScreen::SMoveButtonClick() { Move(0, 1, kSouth); }
void PlayScreen::WMoveButtonClick() { Move(-1, 0, kWest); }
void PlayScreen::NWallButtonClick() { BuildWall(kNorth); }
void PlayScreen::EWallButtonClick() { BuildWall(kEast); }
void PlayScreen::SWallButtonClick() { BuildWall(kSouth); }
void PlayScreen::WWallButtonClick() { BuildWall(kWest); }

void PlayScreen::BuildWall(int direction) {
  DropHint();
  game_->PlaceWall(direction);
}

void PlayScreen::undoButtonClick() {
  DropHint();
  game_->Undo();
}

void PlayScreen::resetButtonClick() {
  if (game_->inputReady != 1) return;
  if (dialogs_.AskYesNo(window(), tr("やり直し"), tr("このステージを最初からやり直します。よろしいですか？"))) {
    DropHint();
    ReadPlayChoices();
    game_->StartStage();
  }
}

void PlayScreen::giveupButtonClick() {
  if (game_->inputReady != 1) return;
  // A test play loses nothing: the edit waits in the editor as it was.
  if (trial_ || dialogs_.AskYesNo(window(), tr("ステージ選択"), tr("ステージ選択画面に戻ります。よろしいですか？"))) {
    HidePlayScreen();
    ShowStageSelect();
  }
}

void PlayScreen::SetUndoEnabled(bool enabled) { undoButton->setEnabled(enabled); }

void PlayScreen::HidePlayScreen() {
  // A par or a hint still searched for belongs to the play that ends here.
  EndRecord();
  hintMark->hide();
  shell_.ShowScreen(nullptr);
}

}  // namespace suispo
