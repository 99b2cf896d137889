// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The progress dialog of new stages and the worker thread behind it.
#include "app/window/new_stages_progress.h"

#include <QEventLoop>
#include <QProgressDialog>

#include <atomic>
#include <exception>
#include <thread>

#include "app/store/stage_collection.h"

namespace suispo {

std::optional<std::string> MakeStagesWithProgress(QWidget* parent, StagePreset preset, std::uint32_t seed,
                                                  const std::string& folder, const LocalTime& time) {
  QProgressDialog progress(QStringLiteral("新しいステージを作っています…"), QStringLiteral("キャンセル"), 0,
                           kNewStageCount, parent);
  progress.setWindowTitle(QStringLiteral("新しいステージを作る"));
  // Wide enough for the whole title in the frame, not only for the label and the bar.
  progress.setMinimumWidth(360);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setValue(0);
  std::atomic<bool> cancel = false;
  QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel = true; });

  QEventLoop loop;
  std::optional<std::string> path;
  std::exception_ptr failure;
  // Posted events die with their receiver, so nothing reaches the dialog or the loop once they are gone;
  // and both outlive the worker, which is joined below.
  std::thread worker([&] {
    try {
      path = MakeNewStageFile(preset, seed, folder, time, &cancel, [&progress](int made, int) {
        QMetaObject::invokeMethod(&progress, [&progress, made] { progress.setValue(made); }, Qt::QueuedConnection);
      });
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  if (failure) std::rethrow_exception(failure);
  return path;
}

}  // namespace suispo
