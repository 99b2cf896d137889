// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm: the game's one window, its two screens, its menu and the handlers behind its buttons.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QMainWindow>
#include <QUrl>

#include "app/store/stage_collection.h"
#include "app/store/stage_store.h"
#include "app/window/background_solve.h"
#include "assets/play_screen_layout.h"
#include "app/window/desktop_opener.h"
#include "app/window/dialogs.h"
#include "app/window/ui_fonts.h"
#include "core/game/game.h"
#include "core/game/game_window.h"
#include "view/board_view.h"

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace suispo {

class AboutBox;
class HelpWindow;
class PlaySurface;
class WindowPlacement;

// What the window is built with; the program passes the real ones, tests their own.
struct MainFormParts {
  StorePlaces places;                        // where suispo.ini and the stage files live
  QString helpPage;                          // the help page shipped with the program
  std::function<LocalTime()> now;            // names a new stage file
  Dialogs* dialogs = nullptr;                // questions, file choice, error box
  FrameClock* frameClock = nullptr;          // paces the animations
  OpenDocument openUrl;                      // the desktop's open-document action
  std::string chapterFolder;                 // the stage collection shipped with the program
};

class MainForm : public QMainWindow, public GameWindow {
 public:
  explicit MainForm(const MainFormParts& parts);
  ~MainForm() override;

  // The create handler: position from the settings, the stage list, the stage select screen.
  // Throws GameError for a remembered stage file that cannot be read, or (after the built-in
  // stages are on screen) one that is gone.
  void FormCreate();
  // Game > Open after the choice: the file's stages replace the list. Throws GameError when the
  // file cannot be read, and then nothing changes.
  void OpenStageFile(const QString& path);

  // Handlers of the controls and menu items.
  void ChoiseButtomClick();
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
  void loadMenuClick();
  // Game > Hint (key H): lights the button of the next operation of a shortest clear for a second.
  void hintMenuClick();
  // Game > a chapter: the player's copy of it (made the first time) replaces the list.
  void OpenChapter(const Chapter& chapter);
  // Game > 新しいステージを作る…: a preset, ten new stages made on a worker thread under a progress
  // bar that can cancel, a new stage file in the stage folder, and its stages on the list.
  void newStageMenuClick();
  void ExitMenuClick();
  void Help1Click();   // opens the help page
  void About1Click();  // shows the About box

  // What the rules ask of the window.
  void SetUndoEnabled(bool enabled) override;
  void ShowMp(int mp) override;
  void ShowMoveCount(int count) override;
  std::string RecordClear(int stageIndex, int moves, bool hinted) override;
  void MarkStageCleared(int stageIndex) override;
  void HidePlayScreen() override;
  void ShowStageSelect() override;

  Game& game() { return *game_; }
  StageStore& store() { return store_; }
  // The board view, built at the first stage start (or here, when asked for before).
  const BoardView& view() {
    boardView_->Load();
    return *boardView_;
  }

  // The controls, named as the screens call them; created in this order (later ones on top).
  PlaySurface* MainImage = nullptr;  // the play surface
  QLabel* mpText = nullptr;          // the wall points left
  QLabel* moveText = nullptr;        // the operations of this play
  QLabel* parText = nullptr;         // the fewest operations that clear the stage
  QLabel* bestText = nullptr;        // the stage's record
  QLabel* ratingText = nullptr;      // how hard the stage is to see through: one to five marks
  QLabel* TitleImage = nullptr;      // the title lettering of the stage select screen
  QPushButton* NWallButton = nullptr;
  QPushButton* EWallButton = nullptr;
  QPushButton* SWallButton = nullptr;
  QPushButton* WWallButton = nullptr;
  QPushButton* NMoveButton = nullptr;
  QPushButton* EMoveButton = nullptr;
  QPushButton* SMoveButton = nullptr;
  QPushButton* WMoveButton = nullptr;
  QGroupBox* selectGroup = nullptr;
  QListWidget* StageList = nullptr;
  QPushButton* ChoiseButtom = nullptr;  // starts the chosen stage
  QPushButton* resetButton = nullptr;   // restarts the stage
  QPushButton* giveupButton = nullptr;  // back to the stage select screen
  QPushButton* undoButton = nullptr;
  QAction* loadMenu = nullptr;  // Game > Open
  QAction* hintMenu = nullptr;  // Game > Hint, only on the play screen
  QMenu* chapterMenu = nullptr;    // Game > ステージ集: the installed chapters
  QAction* newStageMenu = nullptr;  // Game > 新しいステージを作る…
  QAction* ExitMenu = nullptr;
  QAction* Help1 = nullptr;   // Help > Contents: the help page
  QAction* About1 = nullptr;  // Help > About: the About box
  AboutBox* dialogForm = nullptr;  // made hidden with the window; its controls at its first showing
  HelpWindow* helpWindow = nullptr;  // made when the desktop first fails to open the help page

  // The play controls in the order they are shown and hidden.
  std::array<QWidget*, 16> PlayControls() const;

  // The par once the worker has told it: a number, kNoPar, or kParPending while it searches.
  static constexpr int kParPending = -2;
  static constexpr int kNoPar = -1;
  int par() const { return par_; }
  // The stage's rating 1 to 5 once the worker has told it; kParPending while it searches.
  int rating() const { return rating_; }
  // A hint still being searched for.
  bool HintPending() const { return hintSolve_.Running(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  // The keyboard: arrows move, Shift + arrow builds a wall, Backspace and Ctrl+Z undo, F5 and R
  // restart, Esc goes back to the title, Enter starts the selected stage; each key presses its
  // button (restart and title still ask first).
  void BindKeys();
  void ShowHelpWindow(const QUrl& page);
  // The game buttons' glyphs, read at the first stage start: the stage select screen, shown
  // first, has no game buttons.
  void ReadGlyphs();
  // Runs a handler under the error report, so an error never unwinds through Qt's frames.
  void Connect(QAbstractButton* button, void (MainForm::*handler)());
  void Connect(QAction* action, void (MainForm::*handler)());
  void RunHandler(void (MainForm::*handler)());
  void FormClose();
  // The play record's side of a stage start: the par searched anew, the record shown.
  void StartRecord();
  void ShowPar();
  void ShowRating();
  void ShowBest();
  void ShowHint(const SolveResult& answer);
  // A new operation: a hint still searched for is dropped, a lit button goes dark.
  void DropHint();
  // Game > Open, the chapters and new stages: only on the stage select screen.
  void EnableFileMenus(bool enabled);

  Dialogs& dialogs_;
  OpenDocument openUrl_;
  QString helpPage_;
  std::string chapterFolder_;
  std::function<LocalTime()> now_;
  UiFonts fonts_;
  StageStore store_;
  std::unique_ptr<BoardView> boardView_;
  std::unique_ptr<Game> game_;
  bool glyphsRead_ = false;
  BackgroundSolve parSolve_;
  BackgroundSolve hintSolve_;
  BackgroundWork<int> ratingWork_;
  int par_ = kParPending;
  int rating_ = kParPending;
  QPushButton* litButton_ = nullptr;  // the hint's button while it is lit
  // The play screen's figures, by their rows in layout::kFigures; mpText is one of them.
  std::array<QLabel*, layout::kFigures.size()> figures_{};
  WindowPlacement* placement_ = nullptr;  // the frame at the stored position
};

}  // namespace suispo
