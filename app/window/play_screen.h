// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// PlayScreen: the board (MainImage), the wall and move buttons, the figures, undo, restart and
// title, the hint; the game itself and what the rules ask of the window during a play.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "app/window/background_solve.h"
#include "app/window/screen.h"
#include "core/game/game.h"
#include "core/game/game_window.h"
#include "view/board_view.h"

class QLabel;
class QPushButton;

namespace suispo {

class AnimationPace;
class PlaySurface;

class PlayScreen : public Screen, public GameWindow {
  Q_DECLARE_TR_FUNCTIONS(PlayScreen)

 public:
  // Where a play hands over to the stage select screen; the window connects them.
  struct Exits {
    std::function<void(int stageIndex)> markStageCleared;
    std::function<void()> showStageSelect;
  };
  // trialLines: a test play of the stage editor's stage (trialLines[0]), which leaves the records and
  // the stage file untouched and whose タイトル (Esc) goes back without asking.
  PlayScreen(const ScreenParts& parts, AnimationPace& pace, Exits exits,
             const std::vector<StageLine>* trialLines = nullptr);
  ~PlayScreen() override;

  MenuUse menus() const override { return {.files = false, .hint = true}; }

  // The stage at row of the list, built and started; throws GameError before anything changes when
  // the line does not start.
  void ChooseStage(int row);
  // The chosen stage on screen, ready for the player's operations.
  void Enter();
  // A test play: the trial line started and on screen.
  void StartTrial();

  // Handlers of the buttons.
  void NMoveButtonClick();
  void EMoveButtonClick();
  void SMoveButtonClick();
  void WMoveButtonClick();
  void NWallButtonClick();
  void EWallButtonClick();
  void SWallButtonClick();
  void WWallButtonClick();
  void undoButtonClick();
  void resetButtonClick();
  void giveupButtonClick();
  // Game > Hint (key H): lights the button of the next operation of a shortest clear for a second.
  void hintMenuClick();

  // What the rules ask of the window.
  void SetUndoEnabled(bool enabled) override;
  void ShowMp(int mp) override;
  void ShowMoveCount(int count) override;
  std::string RecordClear(int stageIndex, int moves, bool hinted) override;
  void MarkStageCleared(int stageIndex) override { exits_.markStageCleared(stageIndex); }
  void SaveRecords() override;
  void HidePlayScreen() override;
  void ShowStageSelect() override { exits_.showStageSelect(); }

  Game& game() { return *game_; }
  const Game& game() const { return *game_; }
  // The board view, built at the first stage start (or here, when asked for before).
  const BoardView& view() {
    boardView_->Load();
    return *boardView_;
  }
  // The par once the worker has told it: a number, PuzzleFacts::kNoPar, kTooLarge, or kPending while it searches.
  int par() const { return par_; }
  // The stage's rating 1 to 5 once the worker has told it; kPending while it is measured.
  int rating() const { return rating_; }
  // The last clear's verdict and the stage it cleared, kept for the stage select screen until
  // another stage is chosen; empty before.
  struct KeptVerdict {
    QString text;
    QString stage;
  };
  const KeptVerdict& lastVerdict() const { return lastVerdict_; }
  // A hint still being searched for.
  bool HintPending() const { return hintSolve_.Running(); }

 protected:
  void ZoomChanged() override;

 private:
  void BuildControls();
  // The keyboard: arrows move, Shift + arrow builds a wall, Backspace and Ctrl+Z undo, F5 and R
  // restart, Esc goes back to the title; each key presses its button (restart and title still ask first).
  void BindKeys();
  // The game buttons' glyphs, read at the first stage start: the stage select screen, shown
  // first, has no game buttons.
  void ReadGlyphs();
  // The glyphs on the buttons at the current zoom.
  void SetGlyphs();
  void Connect(QPushButton* button, void (PlayScreen::*handler)());
  // A move button's operation; a press during its victory or fall ended only that animation.
  void Move(int dx, int dy, int direction);
  // A wall built on the character's side: the hint of the position it leaves goes first.
  void BuildWall(int direction);
  // Game > 戻せる回数 and 先行入力 for the play that starts.
  void ReadPlayChoices();

  // The play record (play_record.cpp): the par and the rating searched anew, the record shown.
  void StartRecord();
  // Leaving the play screen: the par, rating and hint searches dropped.
  void EndRecord();
  // The record key of the stage being played, from the start it actually used.
  std::optional<std::string> PlayedPuzzle() const;
  void ShowPar();
  void ShowRating();
  void ShowBest();
  void ShowHintMark();
  void ShowHint(const SolveResult& answer);
  // A new operation: a hint still searched for is dropped, a lit button goes dark.
  void DropHint();

  AnimationPace& pace_;
  Exits exits_;
  bool trial_ = false;  // a test play of the stage editor's stage
  // The controls, named as the game calls them; created in this order (later ones on top).
  PlaySurface* MainImage = nullptr;
  // The figures, by their rows in layout::kFigures; mpText is one of them.
  std::array<QLabel*, layout::kFigures.size()> figures_{};
  std::array<QPushButton*, 4> wallButtons_{};  // NWallButton, EWallButton, SWallButton, WWallButton
  std::array<QPushButton*, 4> moveButtons_{};  // NMoveButton, EMoveButton, SMoveButton, WMoveButton
  QPushButton* resetButton = nullptr;          // restarts the stage
  QPushButton* giveupButton = nullptr;         // back to the stage select screen
  QPushButton* undoButton = nullptr;
  QLabel* hintMark = nullptr;  // beside 手数 while the play is marked by a hint
  std::unique_ptr<BoardView> boardView_;
  std::unique_ptr<Game> game_;
  bool glyphsRead_ = false;
  BackgroundSolve parSolve_;
  BackgroundWork<int> ratingWork_;
  BackgroundSolve hintSolve_;
  int par_ = PuzzleFacts::kPending;
  int rating_ = PuzzleFacts::kPending;
  QPushButton* litButton_ = nullptr;  // the hint's button while it is lit
  KeptVerdict lastVerdict_;
};

}  // namespace suispo
