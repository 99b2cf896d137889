// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's handlers: start and close, the file menu items, the zoom, the pace, help and About.
#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <random>
#include <utility>

#include "app/platform/window_placement.h"
#include "app/window/about_box.h"
#include "app/window/animation_pace.h"
#include "app/window/editor/stage_editor_screen.h"
#include "app/window/error_report.h"
#include "app/window/help_window.h"
#include "app/window/main_form.h"
#include "app/window/new_stages_progress.h"
#include "app/window/play_screen.h"
#include "app/window/sound_menu.h"
#include "app/window/stage_select_screen.h"
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
    sound_->ShowSettings();
    throw;
  }
  SetZoom(store_.zoom);
  SetAnimationSpeed(store_.animationSpeed);
  sound_->ShowSettings();
  play_->game().stageIndex = store_.StartingStage();
  select_->ShowStageSelect();
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

void MainForm::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  // The timer runs once this paint is on the screen.
  if (!std::exchange(painted_, true)) QTimer::singleShot(0, this, [this] { WindowPainted(); });
}

void MainForm::WindowPainted() {
  sound_->WindowShown({&play_->game(), &editor_->trial().game()}, *select_);
  select_->StartSearches();
}

void MainForm::closeEvent(QCloseEvent* event) {
  // An unsaved stage in the editor, or in its test play, is not lost unasked.
  if ((editor_->isVisible() || editor_->trial().isVisible()) && !editor_->MayLeave()) {
    event->ignore();
    return;
  }
  // A settings file that cannot be written is reported; the window closes all the same.
  if (endingOnSignal_) {
    RunReportingErrorsToOutput([this] { FormClose(); });
  } else {
    RunReportingErrors(dialogs_, [this] { FormClose(); });
  }
  event->accept();
}

void MainForm::EndOnSignal() {
  if (endingOnSignal_) return;  // a second signal while the first one's close runs
  endingOnSignal_ = true;
  close();
  QCoreApplication::exit(0);
}

void MainForm::SetZoom(int percent) {
  store_.zoom = percent;
  // Room for the frame around the client area and the menu bar.
  const QSize frame(16, 40);
  const QSize room = screen()->availableGeometry().size() - frame;
  const QSize atHundred(layout::kClientWidth, layout::kClientHeight + menuBar()->sizeHint().height());
  zoom_ = FittingZoom(percent, room, atHundred);
  for (std::size_t i = 0; i < zoomMenu.size(); ++i) {
    // A zoom the screen cannot hold is shown grey with the reason, never taken in silence.
    const int step = kZoomSteps[i];
    const bool fits = step == 100 || ZoomFits(step, room, atHundred);
    zoomMenu[i]->setEnabled(fits);
    zoomMenu[i]->setToolTip(fits ? QString()
                                 : tr("この画面には収まりません（%1 × %2 ピクセルが要ります）")
                                       .arg(atHundred.width() * step / 100 + frame.width())
                                       .arg(atHundred.height() * step / 100 + frame.height()));
    zoomMenu[i]->setChecked(step == zoom_);
  }
  ApplyZoom();
}

void MainForm::loadMenuClick() {
  const std::optional<QString> path = dialogs_.ChooseStageFile(this);
  if (path) OpenStageFile(QFile::encodeName(*path).toStdString());
}

void MainForm::OpenStageFile(const std::string& path) { select_->OpenStageFile(path); }

void MainForm::newStageMenuClick() {
  const std::optional<StagePreset> preset = dialogs_.ChoosePreset(this);
  if (!preset) return;
  const std::optional<std::string> path =
      MakeStagesWithProgress(this, *preset, std::random_device{}(), store_.StageFolder(), now_());
  if (path) OpenStageFile(*path);
}

void MainForm::editStageMenuClick() { select_->EditSelectedStage(); }

void MainForm::blankStageMenuClick() { editor_->OpenBlank(); }

void MainForm::ExitMenuClick() { close(); }

void MainForm::SetAnimationSpeed(AnimationSpeed speed) {
  store_.animationSpeed = speed;
  pace_->SetSpeed(speed);
  sound_->SetAnimationSpeed(speed);
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
  if (helpWindow == nullptr) {
    helpWindow = new HelpWindow(this);
    helpWindow->setObjectName(QStringLiteral("helpWindow"));
  }
  helpWindow->ShowPage(page);
}

void MainForm::About1Click() { dialogForm->PlaceAndShow(zoom_ / 100.0); }

}  // namespace suispo
