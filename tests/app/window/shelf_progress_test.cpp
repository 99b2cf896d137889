// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// ステージ集 counts the files' progress on a worker: the window answers while large files are read.
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <QElapsedTimer>
#include <QTimer>

#include "core/files/stage_file.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

TEST_F(WindowTest, TheWindowAnswersWithinAFrameWhileTheChooserReadsSlowFiles) {
  constexpr int kFiles = 20;
  for (int i = 0; i < kFiles; ++i) {
    WriteFile("big" + std::to_string(100 + i) + ".ssp", StageFileText({EastClearLine("x")}));
  }
  // Each file takes as long as a 16 MB one does.
  auto reads = std::make_shared<std::atomic<int>>(0);  // shared with a worker that may outlive the test
  readShelf = [reads](const std::string& path) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ++*reads;
    return ReadStageFile(path);
  };
  Start();
  QTest::qWait(200);  // the window's first painting, which reads no file
  const auto counted = [&] {
    int done = 0;
    for (QAction* item : Control<QPushButton>("fileChooser")->menu()->actions()) {
      if (item->text().startsWith(QStringLiteral("big")) && item->text().endsWith(QStringLiteral("☆0/1"))) ++done;
    }
    return done == kFiles;
  };
  // The longest the event loop went without a turn while the files were counted.
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0;
  qint64 longest = 0;
  QTimer turn;
  turn.setInterval(5);
  QObject::connect(&turn, &QTimer::timeout, [&] {
    longest = std::max(longest, clock.elapsed() - last);
    last = clock.elapsed();
  });
  turn.start();
  Select().ShowStageSelect();  // a return to the stage select screen
  ASSERT_TRUE(QTest::qWaitFor(counted, 20000));
  EXPECT_LT(longest, 100);

  // Back again: the files that did not change are not read again, one that changed is.
  const int readBefore = *reads;
  WriteFile("big100.ssp", StageFileText({EastClearLine("x"), EastClearLine("y")}));
  Select().ShowStageSelect();
  ASSERT_TRUE(QTest::qWaitFor([&] { return *reads == readBefore + 1; }, 5000));
  QTest::qWait(200);
  EXPECT_EQ(*reads, readBefore + 1);
}

}  // namespace
}  // namespace suispo::test
