// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm: the game's one window, its two screens, its menu and the handlers behind its buttons.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QUrl>

#include "app/store/stage_collection.h"
#include "app/store/stage_progress.h"
#include "app/store/stage_store.h"
#include "app/window/background_solve.h"
#include "assets/play_screen_layout.h"
#include "app/platform/desktop_opener.h"
#include "app/window/dialogs.h"
#include "app/platform/ui_fonts.h"
#include "core/game/game.h"
#include "core/game/game_window.h"
#include "view/board_view.h"
#include "view/unwatched_surface.h"

class QAbstractButton;
class QAction;
class QActionGroup;
class QLineEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace suispo {

class AboutBox;
class AnimationPace;
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

// A stage file the stage select screen offers: the built-in stages, a chapter, or one of the player's.
struct ShelfEntry {
  enum class Kind { kBuiltin, kChapter, kFile } kind = Kind::kFile;
  std::string path;      // the file (for a chapter: the player's copy, made when first opened)
  Chapter chapter;       // for a chapter: the shipped file and its label
  std::string label;     // UTF-8, without the progress
  bool current = false;  // the file on the list now
};

// A par as the figures show it: "…" while searching, "—" when there is none.
QString ParShown(int par);
// A rating as marks: one to five ●, never the ★ of a record; "…" while it is measured.
QString RatingShown(int rating);

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
  // 表示 > 拡大: the window at percent (one of kZoomSteps) of its size, or the largest zoom below
  // that fits the screen; the choice is kept in the settings.
  void SetZoom(int percent);
  // Game > アニメーションの速さ: kept with the settings.
  void SetAnimationSpeed(AnimationSpeed speed);
  // The stage select screen's ステージ集: the chosen file's stages replace the list.
  void OpenShelfEntry(const ShelfEntry& entry);
  void Help1Click();   // opens the help page
  void About1Click();  // shows the About box

  // What the rules ask of the window.
  void SetUndoEnabled(bool enabled) override;
  void ShowMp(int mp) override;
  void ShowMoveCount(int count) override;
  std::string RecordClear(int stageIndex, int moves, bool hinted) override;
  void MarkStageCleared(int stageIndex) override;
  void SaveRecords() override;
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
  QPushButton* fileChooser = nullptr;   // ステージ集: the stage file shown, and the others in its menu
  QLabel* previewImage = nullptr;       // the selected stage's board, small
  QLineEdit* previewParText = nullptr;  // its par (最短), searched in the background
  QLineEdit* previewBestText = nullptr; // its record (記録)
  QLabel* previewMark = nullptr;        // ★, ☆ or nothing
  QLineEdit* previewRatingText = nullptr;  // its rating (むずかしさ), measured in the background
  QLabel* progressNote = nullptr;       // tells that a clear completed the file
  QLabel* hintMark = nullptr;           // beside 手数 while the play is marked by a hint
  QPushButton* resetButton = nullptr;   // restarts the stage
  QPushButton* giveupButton = nullptr;  // back to the stage select screen
  QPushButton* undoButton = nullptr;
  QAction* loadMenu = nullptr;  // Game > Open
  QAction* hintMenu = nullptr;  // Game > Hint, only on the play screen
  QMenu* chapterMenu = nullptr;    // Game > ステージ集: the installed chapters
  QAction* newStageMenu = nullptr;  // Game > 新しいステージを作る…
  std::array<QAction*, 3> speedMenu{};  // Game > アニメーションの速さ: ふつう, はやい, なし
  QAction* ExitMenu = nullptr;
  std::array<QAction*, 4> zoomMenu{};  // 表示 > 拡大 > each of kZoomSteps
  QAction* Help1 = nullptr;   // Help > Contents: the help page
  QAction* About1 = nullptr;  // Help > About: the About box
  AboutBox* dialogForm = nullptr;  // made hidden with the window; its controls at its first showing
  HelpWindow* helpWindow = nullptr;  // made when the desktop first fails to open the help page

  // The play controls in the order they are shown and hidden.
  std::array<QWidget*, 16> PlayControls() const;
  // The files ステージ集 offers, in its order.
  const std::vector<ShelfEntry>& shelf() const { return shelf_; }
  // The par of the stage the preview shows, as par() is for the play.
  int previewPar() const { return previewPar_; }
  // The rating of the stage the preview shows, as rating() is for the play.
  int previewRating() const { return previewRating_; }

  // The par once the worker has told it: a number, kNoPar, or kParPending while it searches.
  static constexpr int kParPending = -2;
  static constexpr int kNoPar = -1;
  int par() const { return par_; }
  // The zoom the window is shown at, in percent (the setting, or less where that does not fit).
  int zoom() const { return zoom_; }
  // The painted scale the board is drawn at for the zoom on this screen.
  int PaintedScale() const;

  // The stage's rating 1 to 5 once the worker has told it; kParPending while it searches.
  int rating() const { return rating_; }
  // A hint still being searched for.
  bool HintPending() const { return hintSolve_.Running(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // At the first showing: a move to a screen of another scale or size sets the zoom again.
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  // What a control's place and font are at 100 %; the zoom multiplies both.
  struct FontSpec {
    int pixels = 0;  // 0: the font of the window
    bool bold = false;
    bool fixedPitch = false;
  };
  struct PlacedControl {
    QWidget* control;
    layout::Rect place;
    FontSpec font;
  };
  // Puts a control at its place of the layout table at the current zoom, and keeps it for ApplyZoom.
  void PlaceControl(QWidget* control, layout::Rect place, FontSpec font);
  void PlaceControl(QWidget* control, layout::Rect place) { PlaceControl(control, place, FontSpec{}); }
  // Every placed control, the fonts, the pictures and the window's size at the current zoom.
  void ApplyZoom();
  // The stage list's rows, as tall as the zoomed font.
  void SizeListRows();
  void BuildMenu();
  // The keyboard: arrows move, Shift + arrow builds a wall, Backspace and Ctrl+Z undo, F5 and R
  // restart, Esc goes back to the title, Enter starts the selected stage; each key presses its
  // button (restart and title still ask first).
  void BindKeys();
  void ShowHelpWindow(const QUrl& page);
  // The game buttons' glyphs, read at the first stage start: the stage select screen, shown
  // first, has no game buttons.
  void ReadGlyphs();
  // The glyphs on the buttons at the current zoom.
  void SetGlyphs();
  // Runs a handler under the error report, so an error never unwinds through Qt's frames.
  void Connect(QAbstractButton* button, void (MainForm::*handler)());
  void Connect(QAction* action, void (MainForm::*handler)());
  void RunHandler(void (MainForm::*handler)());
  void FormClose();
  // The play record's side of a stage start: the par searched anew, the record shown.
  void StartRecord();
  // The play record's side of leaving the play screen: the par and the hint searches dropped.
  void EndRecord();
  // The record key of the stage being played, from the start it actually used.
  std::optional<std::string> PlayedPuzzle() const;
  void ShowPar();
  void ShowRating();
  void ShowBest();
  void ShowHint(const SolveResult& answer);
  // A new operation: a hint still searched for is dropped, a lit button goes dark.
  void DropHint();
  // Game > Open, the chapters and new stages: only on the stage select screen.
  void EnableFileMenus(bool enabled);
  // A move button's operation; a press during its victory or fall ended only that animation.
  void Move(int dx, int dy, int direction);
  // A wall built on the character's side: the hint of the position it leaves goes first.
  void BuildWall(int direction);

  // The stage select screen's collection and preview (main_form_select.cpp).
  void BuildSelectControls(QWidget* client);
  void FillShelf();
  void FillChapterMenu();
  void ShowPreview(int row);
  // The preview's rating: measured in the background unless it is known for the puzzle already.
  void ShowPreviewRating(const PlayState& start);
  void ShowPreviewRating(int rating);
  void ShowHintMark();
  // The file's progress: read from disk for a file not on the list.
  StageProgress ProgressOfFile(const std::string& path) const;
  // After a clear that left no stage open: the note, and the next chapter on the list.
  void TellCompleted();

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
  std::unique_ptr<AnimationPace> pace_;
  BackgroundSolve parSolve_;
  BackgroundSolve previewSolve_;
  // The par by puzzle (PuzzleKey), as the solver found it: kNoPar when there is none.
  std::map<std::string, int> parByStage_;
  int previewPar_ = kParPending;
  BackgroundWork<int> previewRatingWork_;
  // The rating by puzzle, as the par: the play screen shows it at once after the preview measured it.
  std::map<std::string, int> ratingByStage_;
  int previewRating_ = kParPending;
  std::string previewKey_;  // the content of the stage the preview shows
  std::vector<ShelfEntry> shelf_;
  // Draws the preview's board from the game's pictures, off screen.
  NoWaitClock noWait_;
  NoScreen noScreen_;
  std::unique_ptr<BoardView> previewView_;
  bool completedNow_ = false;  // the clear being shown left no stage of its file open
  BackgroundSolve hintSolve_;
  BackgroundWork<int> ratingWork_;
  int par_ = kParPending;
  int rating_ = kParPending;
  QPushButton* litButton_ = nullptr;  // the hint's button while it is lit
  // The play screen's figures, by their rows in layout::kFigures; mpText is one of them.
  std::array<QLabel*, layout::kFigures.size()> figures_{};
  WindowPlacement* placement_ = nullptr;  // the frame at the stored position
  int zoom_ = 100;
  bool watchingScreen_ = false;
  std::vector<PlacedControl> placed_;
};

}  // namespace suispo
