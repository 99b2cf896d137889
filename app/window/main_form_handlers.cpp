// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's handlers: the two screens, the game buttons, the questions, the menu, start and close.
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>
#include <QMenuBar>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <random>

#include "app/window/about_box.h"
#include "app/window/animation_pace.h"
#include "app/window/error_report.h"
#include "app/window/help_window.h"
#include "app/window/main_form.h"
#include "app/window/new_stages_progress.h"
#include "app/window/play_surface.h"
#include "app/platform/window_placement.h"
#include "app/window/window_zoom.h"
#include "core/text/game_error.h"

namespace suispo {

void MainForm::FormCreate() {
  // The position is read before the stage file, so the window is placed even when that fails.
  // A top-level window's position is its outer frame's.
  const auto place = qScopeGuard([this] { placement_->Place({store_.position.left, store_.position.top}); });
  try {
    store_.FormCreate();
  } catch (const GameError&) {
    // Read before the stage file: the window keeps its size and pace all the same.
    SetZoom(store_.zoom);
    SetAnimationSpeed(store_.animationSpeed);
    throw;
  }
  SetZoom(store_.zoom);
  SetAnimationSpeed(store_.animationSpeed);
  game_->stageIndex = store_.StartingStage();
  ShowStageSelect();
  store_.ReportGoneFile();
}

void MainForm::FormClose() {
  const QPoint frame = placement_->FramePosition();
  store_.FormClose({frame.y(), frame.x()});
}

void MainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (watchingScreen_ || windowHandle() == nullptr) return;
  watchingScreen_ = true;
  connect(windowHandle(), &QWindow::screenChanged, this, [this] {
    RunReportingErrors(dialogs_, [this] { SetZoom(store_.zoom); });
  });
}

void MainForm::closeEvent(QCloseEvent* event) {
  // A settings file that cannot be written is reported; the window closes all the same.
  RunHandler(&MainForm::FormClose);
  event->accept();
}

void MainForm::ShowStageSelect() {
  StageList->clear();
  for (const std::string& line : StageListLines(store_.dataList, &store_.records)) {
    new QListWidgetItem(QString::fromStdString(line), StageList);
  }
  SizeListRows();
  TitleImage->show();
  const int index = game_->stageIndex;
  if (index >= 0 && index < StageList->count()) {
    StageList->setCurrentRow(index);
    StageList->scrollToItem(StageList->item(index));
  }
  FillShelf();
  selectGroup->show();
  EnableFileMenus(true);
  if (completedNow_) TellCompleted();
  // The list has the keyboard, so ↑ and ↓ choose a stage at once (also after タイトル).
  StageList->setFocus();
}

void MainForm::SizeListRows() {
  // Rows of 13 pixels at 100 %, or as tall as the fallback font needs so that no glyph is cut off.
  const int lineHeight = std::max(Zoomed(13, zoom_ / 100.0), StageList->fontMetrics().height());
  for (int row = 0; row < StageList->count(); ++row) {
    QListWidgetItem* item = StageList->item(row);
    item->setSizeHint({StageList->fontMetrics().horizontalAdvance(item->text()) + 4, lineHeight});
  }
}

void MainForm::SetZoom(int percent) {
  store_.zoom = percent;
  // Room for the frame around the client area and the menu bar.
  const QSize frame(16, 40);
  const QSize room = screen()->availableGeometry().size() - frame;
  zoom_ = FittingZoom(percent, room, QSize(layout::kClientWidth, layout::kClientHeight + menuBar()->sizeHint().height()));
  for (std::size_t i = 0; i < zoomMenu.size(); ++i) zoomMenu[i]->setChecked(kZoomSteps[i] == zoom_);
  ApplyZoom();
  // The board is drawn at the new scale from the next stage start; a board on screen is shown scaled.
  if (MainImage->isHidden()) boardView_->SetScale(PaintedScale());
}

void MainForm::ChoiseButtomClick() {
  const QList<QListWidgetItem*> selected = StageList->selectedItems();
  if (selected.isEmpty()) return;  // nothing chosen: nothing to start
  // The stage is built before the screen changes, so a line that fails to start leaves the
  // stage select screen as it was.
  boardView_->SetScale(PaintedScale());
  game_->ChooseStage(StageList->row(selected.first()));
  store_.RememberStage(game_->stageIndex);
  progressNote->hide();
  // The play searches its own par; the preview's search would only hold a worker the hint may need.
  previewSolve_.Cancel();
  StartRecord();
  ReadGlyphs();
  TitleImage->hide();
  selectGroup->hide();
  hintMenu->setEnabled(true);
  EnableFileMenus(false);
  MainImage->show();
  for (QWidget* control : PlayControls()) control->show();
  game_->inputReady = 1;
}

// Each operation starts by dropping the hint of the position it leaves.
void MainForm::Move(int dx, int dy, int direction) {
  DropHint();
  const auto ended = qScopeGuard([this] { pace_->MoveEnded(); });
  game_->Slide(dx, dy, direction);
}

void MainForm::NMoveButtonClick() { Move(0, -1, kNorth); }
void MainForm::EMoveButtonClick() { Move(1, 0, kEast); }
void MainForm::SMoveButtonClick() { Move(0, 1, kSouth); }
void MainForm::WMoveButtonClick() { Move(-1, 0, kWest); }
void MainForm::NWallButtonClick() { BuildWall(kNorth); }
void MainForm::EWallButtonClick() { BuildWall(kEast); }
void MainForm::SWallButtonClick() { BuildWall(kSouth); }
void MainForm::WWallButtonClick() { BuildWall(kWest); }

void MainForm::BuildWall(int direction) {
  DropHint();
  game_->PlaceWall(direction);
}

void MainForm::undoButtonClick() {
  DropHint();
  game_->Undo();
}

void MainForm::resetButtonClick() {
  if (game_->inputReady != 1) return;
  if (dialogs_.AskYesNo(this, QStringLiteral("やり直し"),
                        QStringLiteral("このステージを最初からやり直します。よろしいですか？"))) {
    DropHint();
    game_->StartStage();
  }
}

void MainForm::giveupButtonClick() {
  if (game_->inputReady != 1) return;
  if (dialogs_.AskYesNo(this, QStringLiteral("ステージ選択"),
                        QStringLiteral("ステージ選択画面に戻ります。よろしいですか？"))) {
    HidePlayScreen();
    ShowStageSelect();
  }
}

void MainForm::loadMenuClick() {
  const std::optional<QString> path = dialogs_.ChooseStageFile(this);
  if (path) OpenStageFile(*path);
}

void MainForm::OpenStageFile(const QString& path) {
  store_.LoadFile(QFile::encodeName(path).toStdString());
  // Back where the player left this file, or at its first stage not yet cleared.
  game_->stageIndex = store_.StartingStage();
  ShowStageSelect();
}

void MainForm::EnableFileMenus(bool enabled) {
  loadMenu->setEnabled(enabled);
  chapterMenu->setEnabled(enabled && !chapterMenu->isEmpty());
  newStageMenu->setEnabled(enabled);
}

void MainForm::OpenChapter(const Chapter& chapter) {
  const ChapterCopy copy = PlayerCopyOfChapter(chapter, store_.StageFolder());
  try {
    OpenStageFile(QFile::decodeName(copy.path.c_str()));
  } catch (...) {
    if (copy.made) std::remove(copy.path.c_str());  // a copy that does not open is not kept
    throw;
  }
}

void MainForm::newStageMenuClick() {
  const std::optional<StagePreset> preset = dialogs_.ChoosePreset(this);
  if (!preset) return;
  const std::optional<std::string> path =
      MakeStagesWithProgress(this, *preset, std::random_device{}(), store_.StageFolder(), now_());
  if (path) OpenStageFile(QFile::decodeName(path->c_str()));
}

void MainForm::ExitMenuClick() { close(); }

void MainForm::SetAnimationSpeed(AnimationSpeed speed) {
  store_.animationSpeed = speed;
  pace_->SetSpeed(speed);
  speedMenu.at(static_cast<std::size_t>(speed))->setChecked(true);
}

void MainForm::Help1Click() {
  const QUrl page = QUrl::fromLocalFile(HelpPagePath(helpPage_));
  // The desktop may fail long after this returns, when the window may be gone.
  openUrl_(page, [form = QPointer<MainForm>(this), page] {
    if (form) form->ShowHelpWindow(page);
  });
}

void MainForm::ShowHelpWindow(const QUrl& page) {
  if (helpWindow == nullptr) helpWindow = new HelpWindow(this);
  helpWindow->ShowPage(page);
}

void MainForm::About1Click() { dialogForm->PlaceAndShow(); }

void MainForm::SetUndoEnabled(bool enabled) { undoButton->setEnabled(enabled); }

void MainForm::MarkStageCleared(int stageIndex) {
  const bool openBefore = !ProgressOf(store_.dataList, store_.records).Complete();
  store_.MarkStageCleared(stageIndex);
  // The stage select screen tells it when this clear left no stage of the file open.
  completedNow_ = openBefore && ProgressOf(store_.dataList, store_.records).Complete();
}

void MainForm::HidePlayScreen() {
  // A par or a hint still searched for belongs to the play that ends here.
  EndRecord();
  hintMenu->setEnabled(false);
  hintMark->hide();
  MainImage->hide();
  for (QWidget* control : PlayControls()) control->hide();
}

}  // namespace suispo
