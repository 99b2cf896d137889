// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage select screen's handlers: the list shown, a stage chosen, a clear marked, the files
// opened from ステージ集 and the menu, the note of a completed file.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

#include "app/window/stage_shelf.h"
#include "app/store/file_paths.h"
#include "app/window/error_report.h"
#include "app/window/play_screen.h"
#include "app/window/stage_select_screen.h"

namespace suispo {

void StageSelectScreen::ShowStageSelect() {
  StageList->clear();
  for (const std::string& line : StageListLines(store_.dataList, &store_.records)) {
    new QListWidgetItem(QString::fromStdString(line), StageList);
  }
  SizeListRows();
  const int index = play_.game().stageIndex;
  if (index >= 0 && index < StageList->count()) {
    StageList->setCurrentRow(index);
    StageList->scrollToItem(StageList->item(index));
  }
  FillShelf();
  shell_.ShowScreen(this);
  if (completedNow_) TellCompleted();
  // The list has the keyboard, so ↑ and ↓ choose a stage at once (also after タイトル).
  StageList->setFocus();
}

void StageSelectScreen::ChoiseButtomClick() {
  const QList<QListWidgetItem*> selected = StageList->selectedItems();
  if (selected.isEmpty()) return;  // nothing chosen: nothing to start
  cues_->Play(Cue::kSelect);
  // The stage is built before the screen changes, so a line that fails to start leaves this
  // screen as it was.
  play_.ChooseStage(StageList->row(selected.first()));
  progressNote->hide();
  preview_->StopSearch();
  play_.Enter();
}

void StageSelectScreen::MarkStageCleared(int stageIndex) {
  const bool openBefore = !ProgressOf(store_.dataList, store_.records).Complete();
  store_.MarkStageCleared(stageIndex);
  // The list tells it when this clear left no stage of the file open.
  completedNow_ = openBefore && ProgressOf(store_.dataList, store_.records).Complete();
}

void StageSelectScreen::OpenStageFile(const QString& path) {
  store_.LoadFile(QFile::encodeName(path).toStdString());
  // Back where the player left this file, or at its first stage not yet cleared.
  play_.game().stageIndex = store_.StartingStage();
  ShowStageSelect();
}

void StageSelectScreen::OpenChapter(const Chapter& chapter) {
  const ChapterCopy copy = PlayerCopyOfChapter(chapter, store_.StageFolder());
  try {
    OpenStageFile(QFile::decodeName(copy.path.c_str()));
  } catch (...) {
    if (copy.made) std::remove(copy.path.c_str());  // a copy that does not open is not kept
    throw;
  }
}

void StageSelectScreen::OpenShelfEntry(const ShelfEntry& entry) {
  progressNote->hide();
  if (entry.current) return;
  switch (entry.kind) {
    case ShelfEntry::Kind::kBuiltin:
      store_.OpenBuiltinStages();
      play_.game().stageIndex = store_.StartingStage();
      ShowStageSelect();
      break;
    case ShelfEntry::Kind::kChapter:
      OpenChapter(entry.chapter);
      break;
    case ShelfEntry::Kind::kFile:
      OpenStageFile(QFile::decodeName(entry.path.c_str()));
      break;
  }
}

void StageSelectScreen::FillShelf() {
  shelf_ = ShelfOf(store_, chapterFolder_);
  QMenu* files = fileChooser->menu();
  // The old choices go later: this may run inside one of them.
  for (QAction* old : files->actions()) {
    files->removeAction(old);
    old->deleteLater();
  }
  for (const ShelfEntry& entry : shelf_) {
    // The other files' progress is read when the menu opens (LabelShelf): the screen shows this one's.
    const QString shown = ShelfLabel(entry, entry.current ? ProgressOfEntry(entry, store_) : StageProgress{});
    QAction* choice = files->addAction(shown);
    choice->setCheckable(true);
    choice->setChecked(entry.current);
    if (entry.current) fileChooser->setText(shown + QStringLiteral(" ▾"));
    connect(choice, &QAction::triggered, this, [this, entry] {
      RunReportingErrors(dialogs_, [this, &entry] { OpenShelfEntry(entry); });
      FillShelf();  // after a failure the chooser shows the file still on the list
    });
  }
}

void StageSelectScreen::LabelShelf() {
  const QList<QAction*> choices = fileChooser->menu()->actions();
  for (std::size_t i = 0; i < shelf_.size() && i < static_cast<std::size_t>(choices.size()); ++i) {
    choices[static_cast<qsizetype>(i)]->setText(ShelfLabel(shelf_[i], ProgressOfEntry(shelf_[i], store_)));
  }
}

void StageSelectScreen::LabelChapters(QMenu& chapterMenu) const {
  const std::vector<Chapter> chapters = ChaptersIn(chapterFolder_);
  const QList<QAction*> actions = chapterMenu.actions();
  if (static_cast<std::size_t>(actions.size()) != chapters.size()) return;  // changed since start-up
  for (std::size_t i = 0; i < chapters.size(); ++i) {
    const std::string copy = store_.StageFolder() + BareName(chapters[i].path);
    const StageProgress progress = ProgressOfFile(IsRegularFile(copy) ? copy : chapters[i].path, store_.records);
    actions[static_cast<qsizetype>(i)]->setText(QString::fromStdString(WithProgress(ChapterLabel(chapters[i].label).toStdString(), progress)));
  }
}

void StageSelectScreen::TellCompleted() {
  completedNow_ = false;
  const auto done = std::find_if(shelf_.begin(), shelf_.end(), [](const ShelfEntry& e) { return e.current; });
  if (done == shelf_.end()) return;
  const StageProgress progress = ProgressOf(store_.dataList, store_.records);
  QString note = tr("「%1」をすべてクリア！ ★%2/%3")
                     .arg(ChapterLabel(done->label))
                     .arg(progress.stars)
                     .arg(progress.total);
  // The built-in stages lead to the first chapter, a chapter to the one after it.
  const auto next =
      std::find_if(done + 1, shelf_.end(), [](const ShelfEntry& e) { return e.kind == ShelfEntry::Kind::kChapter; });
  if (done->kind != ShelfEntry::Kind::kFile && next != shelf_.end()) {
    const ShelfEntry following = *next;
    note += tr("　つぎは「%1」").arg(ChapterLabel(following.label));
    RunReportingErrors(dialogs_, [this, &following] { OpenShelfEntry(following); });
  }
  progressNote->setText(note);
  progressNote->show();
}

}  // namespace suispo
