// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// StageEditorScreen: the stage editor (ステージエディタ): the board painted from the palette by mouse or
// keyboard, the name and wall points, undo and redo, the live figures, 解答を見る, the test play
// (試す) and the saves; it leaves to the stage select screen.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "app/store/local_time.h"
#include "app/window/screen.h"
#include "core/design/stage_edit.h"
#include "core/game/game_window.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace suispo {

class AnimationPace;
class BoardView;
class EditorBoard;
class EditorFeedback;
class Game;
class PlayScreen;

class StageEditorScreen : public Screen {
  Q_DECLARE_TR_FUNCTIONS(StageEditorScreen)

 public:
  // leave: back to the stage select screen. now: names a new stage file.
  StageEditorScreen(const ScreenParts& parts, AnimationPace& pace, std::function<LocalTime()> now,
                    std::function<void()> leave);
  ~StageEditorScreen() override;

  MenuUse menus() const override { return {}; }

  // ゲーム > ステージを編集… (Ctrl+E) and the stage select screen's button: the stage at row of the
  // list in the editor, to be saved back into its line.
  void OpenStage(int row);
  // ゲーム > 白紙のステージ…: an empty board.
  void OpenBlank();

  // The edit operations, each asking the figures anew.
  void PaintCell(Cell at, std::size_t entry);
  void SetEdge(Cell at, int direction, int wallKind);
  void ClearCell(Cell at);
  void undoEditClick();
  void redoEditClick();
  // 試す: the stage on the test play screen; back here by Esc or the clear.
  void tryButtonClick();
  // 解答を見る: a shortest clear played on the editor's board.
  void solutionButtonClick();
  // The saves: into the stage's own line, appended to a stage file chosen, or a new file.
  void SaveOver();
  void SaveAppended();
  void SaveNew();
  // 戻る (Esc): asks first when an edit is not saved.
  void backButtonClick();
  // Whether the editor may be left (the window closed): yes unless an edit is unsaved and the player
  // answers No.
  bool MayLeave();

  const StageEdit& edit() const { return edit_; }
  bool Unsaved() const { return unsaved_; }
  PlayScreen& trial() { return *trial_; }
  const EditorFeedback& feedback() const { return *feedback_; }

 protected:
  void ZoomChanged() override;

 private:
  void BuildControls();
  void BuildPalette();
  void BindKeys();
  // The stage on screen and asked of the figures after every change.
  void Edited();
  void DrawBoard();
  void Open(StageEdit edit, int row);
  void ChooseEntry(std::size_t entry);
  // A palette key: chooses its entry, and paints the cursor's cell with a cell's entry.
  void PaletteKey(std::size_t entry);
  void MoveCursor(int direction);
  void Saved();
  // The name typed so far becomes the stage's, before it is tried or saved.
  void TakeName();
  // The line of the stage as it will be tried or saved.
  std::vector<StageLine> trialLines_;

  AnimationPace& pace_;
  std::function<LocalTime()> now_;
  std::function<void()> leave_;
  StageEdit edit_;
  int row_ = -1;               // the list's row the stage came from; -1 for a blank board
  bool unsaved_ = false;
  bool showing_ = false;       // a solution is being played: the board takes no edit
  std::size_t entry_ = 0;      // the palette entry chosen
  std::size_t edgeEntry_;      // the edge Shift + arrow sets
  EditorBoard* boardImage = nullptr;
  std::array<QPushButton*, 16> paletteButtons_{};
  QLineEdit* nameEdit = nullptr;
  QSpinBox* wallPointsEdit = nullptr;
  QPushButton* undoEditButton = nullptr;
  QPushButton* redoEditButton = nullptr;
  QPushButton* tryButton = nullptr;
  QPushButton* solutionButton = nullptr;
  QPushButton* saveButton = nullptr;
  QPushButton* backButton = nullptr;
  std::unique_ptr<EditorFeedback> feedback_;
  std::unique_ptr<BoardView> boardView_;
  PlayScreen* trial_ = nullptr;
};

}  // namespace suispo
