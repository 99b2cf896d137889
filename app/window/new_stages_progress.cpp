// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The progress dialog of new stages and the worker thread behind it.
#include "app/window/new_stages_progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "app/store/stage_collection.h"
#include "app/window/dialog_fit.h"

namespace suispo {

namespace {

// Steps of the bar per stage; within a stage it creeps on with the climbs' steps, never reaching the
// next stage's mark before the stage is made.
constexpr int kBarPerStage = 100;
constexpr double kStepsForHalfAStage = 2000;

// A candidate counts as this many climb steps on the bar: its repairs and gates take no climb step.
constexpr long long kStepsPerCandidate = 100;

// What the generating threads last told, read by the dialog's clock on the interface thread.
struct Told {
  std::atomic<int> made = 0;
  std::atomic<int> candidates = 0;
  std::atomic<long long> climbSteps = 0;
};

// The stage being made (from 1) of those wanted, and the seconds so far; below, the candidates tried
// since the last stage was made, so the text moves on within a long stage too.
QString ProgressText(int made, int wanted, long long seconds, int candidates) {
  const QString stage = QCoreApplication::translate("suispo::NewStagesProgress",
                                                    "新しいステージを作っています… %1 / %2 ステージ目（%3 秒）")
                            .arg(std::min(made + 1, wanted))
                            .arg(wanted)
                            .arg(seconds);
  return stage + QLatin1Char('\n') +
         QCoreApplication::translate("suispo::NewStagesProgress", "試した候補: %n", nullptr, candidates);
}

}  // namespace

QString PresetLabel(StagePreset preset) { return QCoreApplication::translate("Preset", PresetOf(preset).label); }

std::unique_ptr<QProgressDialog> NewStagesDialog(QWidget* parent) {
  auto progress = std::make_unique<QProgressDialog>(
      // The widest text it will tell first: the dialog keeps that width as the seconds grow.
      ProgressText(kNewStageCount - 1, kNewStageCount, 999, 9999),
      QCoreApplication::translate("suispo::NewStagesProgress", "キャンセル"), 0, kNewStageCount * kBarPerStage, parent);
  progress->setWindowTitle(QCoreApplication::translate("suispo::NewStagesProgress", "新しいステージを作る"));
  progress->setAutoClose(false);
  progress->setAutoReset(false);
  progress->setMinimumWidth(progress->sizeHint().width());
  WideEnoughForTitle(*progress);
  TellProgress(*progress, 0, kNewStageCount, 0, 0);
  return progress;
}

void TellProgress(QProgressDialog& dialog, int made, int wanted, long long seconds, int candidates) {
  dialog.setLabelText(ProgressText(made, wanted, seconds, candidates));
}

std::optional<std::string> MakeStagesWithProgress(QWidget* parent, StagePreset preset, std::uint32_t seed,
                                                  const std::string& folder, const LocalTime& time) {
  const std::unique_ptr<QProgressDialog> dialog = NewStagesDialog(parent);
  QProgressDialog& progress = *dialog;
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  std::atomic<bool> cancel = false;
  QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel = true; });
  // Named as the dialog showed the preset, in the player's language (translated on the worker too:
  // Qt's translation may be asked from any thread).
  const NewStageNaming naming{PresetLabel(preset).toStdString(), [](const char* word) {
                                return QCoreApplication::translate("StageName", word).toStdString();
                              }};

  // The clock shows the stage and the time so far at least every second, whatever the threads tell.
  Told told;
  QElapsedTimer since;
  since.start();
  int lastMade = 0;
  long long stepsAtLastMade = 0;
  int candidatesAtLastMade = 0;
  QTimer clock;
  clock.setInterval(250);
  QObject::connect(&clock, &QTimer::timeout, [&] {
    const int made = told.made;
    const long long steps = told.climbSteps;
    const int candidates = told.candidates;
    if (made != lastMade) {
      lastMade = made;
      stepsAtLastMade = steps;
      candidatesAtLastMade = candidates;
    }
    const int tried = candidates - candidatesAtLastMade;
    const double within = static_cast<double>(steps - stepsAtLastMade + kStepsPerCandidate * tried);
    const int creep = static_cast<int>((kBarPerStage - 1) * within / (within + kStepsForHalfAStage));
    progress.setValue(std::min(made * kBarPerStage + creep, kNewStageCount * kBarPerStage));
    TellProgress(progress, made, kNewStageCount, since.elapsed() / 1000, tried);
  });
  clock.start();

  QEventLoop loop;
  std::optional<std::string> path;
  std::exception_ptr failure;
  // Posted events die with their receiver, so nothing reaches the loop once it is gone; and the loop
  // and what the threads tell outlive the worker, which is joined below.
  std::thread worker([&] {
    try {
      path = MakeNewStageFile(
          preset, seed, folder, time, &cancel,
          [&told](const GenerateProgress& p) {
            told.made = p.made;
            told.candidates = p.candidates;
            told.climbSteps = p.climbSteps;
          },
          naming);
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  clock.stop();
  if (failure) std::rethrow_exception(failure);
  return path;
}

}  // namespace suispo
