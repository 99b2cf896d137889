// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// StageSelectScreen: the title lettering, the stage list and ステージ決定, ステージ集 with each file's
// progress, the selected stage's preview and the note of a completed file; the files it opens.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "app/window/screen.h"
#include "app/window/stage_preview.h"
#include "app/window/shelf_progress.h"
#include "app/window/stage_shelf.h"
#include "core/game/sound_cues.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace suispo {

class PlayScreen;

class StageSelectScreen : public Screen {
  Q_DECLARE_TR_FUNCTIONS(StageSelectScreen)

 public:
  // play: the screen ステージ決定 starts the chosen stage on. chapterFolder: the chapters shipped.
  // readShelf: how ステージ集 reads a file's progress on a worker (ReadStageFile when empty).
  StageSelectScreen(const ScreenParts& parts, PlayScreen& play, std::string chapterFolder,
                    StageFileReader readShelf = {});
  ~StageSelectScreen() override;

  MenuUse menus() const override { return {.files = true, .hint = false}; }

  // The list of the stage file, the stage to play next selected; the list has the keyboard.
  void ShowStageSelect();
  // ステージ決定: the selected stage on the play screen. Throws GameError for a line that does not
  // start, and then this screen stays as it was.
  void ChoiseButtomClick();
  // ステージを編集: the selected stage in the stage editor (SetEditStage); nothing when none is selected.
  void EditSelectedStage();
  void SetEditStage(std::function<void(int row)> editStage) { editStage_ = std::move(editStage); }
  // A clear: the line marked in the stage file, which is saved; may throw a GameError.
  void MarkStageCleared(int stageIndex);
  // Game > Open after the choice: the file's stages replace the list. Throws GameError when the
  // file cannot be read, and then nothing changes. The path is kept as bytes (a name need not be UTF-8).
  void OpenStageFile(const std::string& path);
  // The file's stages replace the list, and its last stage is played (a stage just added to it).
  void PlayLastStageOf(const std::string& path);
  // The stage selected in the list (an index into the stage file's lines), -1 for none.
  int SelectedStage() const;
  // Game > a chapter: the player's copy of it (made the first time) replaces the list.
  void OpenChapter(const Chapter& chapter);
  // ステージ集: the chosen file's stages replace the list.
  void OpenShelfEntry(const ShelfEntry& entry);
  // Game > ステージ集 as it opens: each chapter with its progress.
  void LabelChapters(QMenu& chapterMenu) const;

  // The soft click of a choice (a stage selected in the list by the player, ステージ決定) from now on;
  // silent until set. cues must outlive the screen.
  void SetSoundCues(SoundCues& cues) { cues_ = &cues; }

  // The files ステージ集 offers, in its order.
  const std::vector<ShelfEntry>& shelf() const { return shelf_; }
  // The par and rating of the stage the preview shows.
  int previewPar() const { return preview_->par(); }
  int previewRating() const { return preview_->rating(); }
  // The window is on the screen: the preview's searches start (StagePreview::StartSearches).
  void StartSearches() { preview_->StartSearches(); }

 protected:
  void ZoomChanged() override;

 private:
  void BuildControls();
  void FillShelf();
  // The stage list's rows, as tall as the zoomed font.
  void SizeListRows();
  // After a clear that left no stage open: the note, and the next chapter on the list.
  void TellCompleted();

  PlayScreen& play_;
  std::string chapterFolder_;
  QLabel* TitleImage = nullptr;  // the title lettering
  QGroupBox* selectGroup = nullptr;
  QListWidget* StageList = nullptr;
  QPushButton* ChoiseButtom = nullptr;  // starts the chosen stage
  QPushButton* editButton = nullptr;    // the selected stage in the stage editor
  QPushButton* fileChooser = nullptr;   // ステージ集: the stage file shown, and the others in its menu
  QLabel* progressNote = nullptr;       // tells that a clear completed the file
  std::unique_ptr<StagePreview> preview_;
  std::vector<ShelfEntry> shelf_;
  std::function<void(int row)> editStage_;
  ShelfProgress shelfProgress_;  // the progress ステージ集 shows, counted on a worker
  bool completedNow_ = false;  // the clear being shown left no stage of its file open
  SilentCues silent_;
  SoundCues* cues_ = &silent_;
};

}  // namespace suispo
