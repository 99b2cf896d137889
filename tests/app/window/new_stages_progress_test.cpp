// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The new-stages dialog: it tells the stage being made and the seconds so far while the threads work,
// and its cancel leaves no file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "app/window/new_stages_progress.h"

namespace suispo::test {
namespace {

TEST(NewStagesProgress, TheDialogTellsTheStageAndTheSecondsSoFarAndACancelLeavesNoFile) {
  QTemporaryDir folder;
  QWidget parent;
  QStringList labels;
  // The dialog's text read every 100 ms, as a player would see it; cancelled after 1.5 s, before
  // ten expert stages can be made.
  QElapsedTimer since;
  since.start();
  QTimer reader;
  reader.setInterval(100);
  QObject::connect(&reader, &QTimer::timeout, [&] {
    if (auto* dialog = parent.findChild<QProgressDialog*>()) {
      labels.append(dialog->labelText());
      if (since.elapsed() > 1500) emit dialog->canceled();  // as its button does
    }
  });
  reader.start();
  const std::optional<std::string> path = MakeStagesWithProgress(
      &parent, StagePreset::kExpert, 1, folder.path().toStdString() + "/", LocalTime{2026, 12, 8, 9, 30, 15});
  EXPECT_FALSE(path);
  EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::Files));
  ASSERT_FALSE(labels.isEmpty());
  EXPECT_TRUE(labels.first().startsWith(QStringLiteral("新しいステージを作っています… 1 / 10 ステージ目（0 秒）")))
      << labels.first().toStdString();
  // The seconds move on while no stage is made yet.
  EXPECT_TRUE(labels.filter(QStringLiteral(" ステージ目（1 秒）")).size() > 0) << labels.join(' ').toStdString();
}

TEST(NewStagesProgress, TheDialogKeepsItsWidthAsTheSecondsGrow) {
  QWidget parent;
  const std::unique_ptr<QProgressDialog> dialog = NewStagesDialog(&parent);
  dialog->show();
  const int width = dialog->width();
  TellProgress(*dialog, 9, 10, 12, 7);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog->width(), width);
  TellProgress(*dialog, 9, 10, 125, 140);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog->width(), width);
}

}  // namespace
}  // namespace suispo::test
