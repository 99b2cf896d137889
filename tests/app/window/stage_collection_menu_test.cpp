// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Game > ステージ集 and 新しいステージを作る…: chapters copied once and kept with their clears, new stage files.
#include <QDir>

#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

QAction* ChapterAction(MainForm& form, const QString& label) {
  for (QAction* action : ControlOf<QMenu>(form, "chapterMenu")->actions()) {
    if (action->text() == label) return action;
  }
  return nullptr;
}

TEST_F(WindowTest, AChapterOpensAsThePlayersCopyWhichKeepsItsStarAfterARestart) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("shipped"));
  WriteFile("shipped/1-walls.ssp", test::StageFileText({EastClearLine("first"), EastClearLine("second")}));
  Start();
  QAction* chapter = ChapterAction(*form, QStringLiteral("第1章 壁"));
  ASSERT_NE(chapter, nullptr);
  chapter->trigger();
  ASSERT_EQ(Control<QListWidget>("StageList")->count(), 2);
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(), QStringLiteral("　 first"));
  Choose(0);
  EXPECT_FALSE(Control<QMenu>("chapterMenu")->isEnabled() || Control<QAction>("newStageMenu")->isEnabled());
  WaitForPar();
  Click(Control<QPushButton>("EMoveButton"));
  EXPECT_TRUE(OnStageSelect());
  EXPECT_TRUE(Control<QMenu>("chapterMenu")->isEnabled() && Control<QAction>("newStageMenu")->isEnabled());
  EXPECT_EQ(ReadFile("shipped/1-walls.ssp"), test::StageFileText({EastClearLine("first"), EastClearLine("second")}));

  form->close();
  form.reset();
  Start();
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(), QStringLiteral("★ first"));
  ChapterAction(*form, QStringLiteral("第1章 壁"))->trigger();
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(), QStringLiteral("★ first"));
  EXPECT_TRUE(dialogs().errors.empty());
}

TEST_F(WindowTest, NewStagesAreMadeForTheChosenPresetIntoANewFileThatIsShown) {
  Start();
  EXPECT_FALSE(Control<QMenu>("chapterMenu")->isEnabled());  // no chapters shipped in this folder
  Control<QAction>("newStageMenu")->trigger();               // the preset dialog cancelled
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 5);
  dialogs().preset = StagePreset::kBeginner;
  Control<QAction>("newStageMenu")->trigger();
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 10);
  const QStringList made = QDir(folder.path()).entryList({QStringLiteral("入門 20060121 093015 seed *.ssp")});
  EXPECT_EQ(made.size(), 1);
  EXPECT_TRUE(dialogs().errors.empty());
}

TEST_F(WindowTest, AChapterOpensAtItsFirstOpenStageAndItsLastClearLeadsToTheNextChapter) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("shipped"));
  // Three stages of their own content (wall points), so that each keeps its own record.
  const auto stage = [](const char* points, const char* name) {
    return Stage({"C00002", "000000", "000000", "000000", "000000", "000000"}, kNoWalls, points, name);
  };
  WriteFile("shipped/1-walls.ssp", test::StageFileText({MarkedCleared(stage("00", "a")), stage("01", "b")}));
  WriteFile("shipped/2-holes.ssp", test::StageFileText({stage("02", "c")}));
  Start();
  ChapterAction(*form, QStringLiteral("第1章 壁"))->trigger();
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(Control<QPushButton>("fileChooser")->text(), QStringLiteral("1 壁 ★0 ☆1/2 ▾"));
  Choose(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Play().par() != PuzzleFacts::kPending; }, 10000));
  Click(Control<QPushButton>("EMoveButton"));  // the last open stage, at par
  EXPECT_TRUE(Control<QLabel>("progressNote")->isVisible());
  EXPECT_TRUE(Control<QLabel>("progressNote")->text().startsWith(QStringLiteral("「第1章 壁」をすべてクリア！ ★1/2")));
  EXPECT_EQ(form->store().dataFileName, "2-holes.ssp");
  EXPECT_EQ(Control<QPushButton>("fileChooser")->text(), QStringLiteral("2 穴 ★0 ☆0/1 ▾"));
  emit Control<QMenu>("chapterMenu")->aboutToShow();
  EXPECT_NE(ChapterAction(*form, QStringLiteral("第1章 壁 ★1 ☆2/2")), nullptr);

  Control<QPushButton>("fileChooser")->menu()->actions().first()->trigger();  // the built-in stages, from the chooser
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 5);
  EXPECT_FALSE(Control<QLabel>("progressNote")->isVisible());
  EXPECT_TRUE(dialogs().errors.empty());
}

}  // namespace
}  // namespace suispo::test
