// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm: the game's one window: its menu, its place and zoom, and the stack of screens it shows
// one at a time (the stage select screen, the play screen, the stage editor and its test play).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QMainWindow>
#include <QUrl>

#include "app/platform/desktop_opener.h"
#include "app/platform/ui_fonts.h"
#include "app/store/stage_store.h"
#include "app/window/dialogs.h"
#include "app/window/puzzle_facts.h"
#include "app/window/screen_parts.h"
#include "app/window/shelf_progress.h"
#include "view/frame_clock.h"

class QAction;
class QMenu;

namespace suispo {

class AboutBox;
class AnimationPace;
class HelpWindow;
class PlayScreen;
class SoundMenu;
class Screen;
class StageEditorScreen;
class StageSelectScreen;
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
  Language language = Language::kJapanese;   // the language of this run's texts
  StageFileReader readShelf;                 // ステージ集's reader of a file's progress (ReadStageFile when empty)
  // A store of these places whose settings the program read before the window (they chose its
  // texts): the form takes it over, so the file is read once. Without one the form makes its own.
  StageStore* settingsRead = nullptr;
};

class MainForm : public QMainWindow, public ScreenShell {
  Q_DECLARE_TR_FUNCTIONS(MainForm)

 public:
  explicit MainForm(const MainFormParts& parts);
  ~MainForm() override;

  // The create handler: position from the settings, the stage list, the stage select screen.
  // Throws GameError for a remembered stage file that cannot be read, or (after the built-in
  // stages are on screen) one that is gone.
  void FormCreate();
  // A stage file named on the command line: as Game > Open after the choice. The path is the bytes
  // the system gave, never decoded: a name that is no UTF-8 opens all the same.
  void OpenStageFile(const std::string& path);

  // Handlers of the menu items.
  void loadMenuClick();
  // Game > 新しいステージを作る…: a preset, ten new stages made on a worker thread under a progress
  // bar that can cancel, a new stage file in the stage folder, and its stages on the list.
  void newStageMenuClick();
  // ゲーム > ステージを編集… (Ctrl+E): the selected stage in the stage editor.
  void editStageMenuClick();
  // ゲーム > 白紙のステージ…: the stage editor on an empty board.
  void blankStageMenuClick();
  void ExitMenuClick();
  // 表示 > 拡大: the window at percent (one of kZoomSteps) of its size, or the largest zoom below
  // that fits the screen; the choice is kept in the settings.
  void SetZoom(int percent);
  // Game > アニメーションの速さ: kept with the settings.
  void SetAnimationSpeed(AnimationSpeed speed);
  void Help1Click();   // opens the help page
  void About1Click();  // shows the About box

  // A termination signal (a logout, a kill, Ctrl+C): the window closes as its close button does,
  // but no box waits for an answer (a failed settings write goes to the error output), and every
  // event loop ends, also that of a box or a dialog open now.
  void EndOnSignal();

  void ShowScreen(Screen* screen) override;

  StageStore& store() { return store_; }
  // The zoom the window is shown at, in percent (the setting, or less where that does not fit).
  int zoom() const { return zoom_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // At the first showing: a move to a screen of another scale or size sets the zoom again.
  void showEvent(QShowEvent* event) override;
  // After the first paint: what the first screen does not show waits for it (WindowPainted).
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildMenu();
  // Once the window is on the screen: the sound player, the preview's par and rating searches.
  void WindowPainted();
  // The window's font, its client size and every screen at the current zoom.
  void ApplyZoom();
  void ShowHelpWindow(const QUrl& page);
  void FormClose();
  // Runs a handler under the error report, so an error never unwinds through Qt's frames.
  QAction* MenuItem(QMenu* menu, const char* name, const QString& caption, std::function<void()> handler);

  Dialogs& dialogs_;
  OpenDocument openUrl_;
  QString helpPage_;
  std::string chapterFolder_;
  std::function<LocalTime()> now_;
  UiFonts fonts_;
  StageStore store_;
  PuzzleFacts facts_;
  std::unique_ptr<AnimationPace> pace_;
  // The screens, one shown at a time; each is a child of the client area.
  StageSelectScreen* select_ = nullptr;
  PlayScreen* play_ = nullptr;
  StageEditorScreen* editor_ = nullptr;
  std::vector<Screen*> screens_;
  // The menu items the screens enable (MenuUse), and the ones the window keeps in step.
  QAction* loadMenu = nullptr;            // Game > Open
  QMenu* chapterMenu = nullptr;           // Game > ステージ集: the installed chapters
  QAction* newStageMenu = nullptr;        // Game > 新しいステージを作る…
  QAction* editStageMenu = nullptr;       // Game > ステージを編集…
  QAction* blankStageMenu = nullptr;      // Game > 白紙のステージ…
  QAction* hintMenu = nullptr;            // Game > Hint, only on the play screen
  std::array<QAction*, 3> speedMenu{};    // Game > アニメーションの速さ: ふつう, はやい, なし
  std::array<QAction*, 4> zoomMenu{};     // 表示 > 拡大 > each of kZoomSteps
  AboutBox* dialogForm = nullptr;         // made hidden with the window; its controls at its first showing
  HelpWindow* helpWindow = nullptr;       // made when the desktop first fails to open the help page
  WindowPlacement* placement_ = nullptr;  // the frame at the stored position
  int zoom_ = 100;
  bool watchingScreen_ = false;
  bool endingOnSignal_ = false;           // set by EndOnSignal: the close reports to the error output
  bool painted_ = false;
  SoundMenu* sound_ = nullptr;            // Game > 効果音 and 音量, and the player once the window shows
};

}  // namespace suispo
