// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The end of a clear and the close: the stage file and the settings as they reach the disk.
#include <QAction>

#include "core/rules/builtin_stages.h"
#include "core/files/stage_file.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

// Built-in stage 1: a wall east of the start, then north, east, south, west, north, west.
void ClearStageOne(MainForm& form) {
  for (const char* button :
       {"EWallButton", "NMoveButton", "EMoveButton", "SMoveButton", "WMoveButton", "NMoveButton", "WMoveButton"}) {
    QTest::mouseClick(ControlOf<QPushButton>(form, button), Qt::LeftButton);
  }
}

TEST_F(WindowTest, ClearingBuiltInStageOneSavesItsFlagAndSelectsTheNextStage) {
  Start();
  Choose(0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Play().par() == 7; }));
  ClearStageOne(*form);
  EXPECT_TRUE(dialogs().errors.empty());
  EXPECT_TRUE(OnStageSelect());
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(),
            QStringLiteral("★ 練習ステージ"));  // at par, without a hint
  EXPECT_EQ(Play().game().inputReady, 1);

  std::vector<StageLine> expected = BuiltinStages();
  expected[0][74] = '1';
  EXPECT_EQ(ReadFile(kGeneratedName), test::StageFileText(expected));
}

TEST_F(WindowTest, ClearingTheLastStageKeepsItSelected) {
  UseStageFile({EastClearLine("first"), EastClearLine("last")});
  Start();
  Choose(1);
  WaitForPar();
  Click(Control<QPushButton>("EMoveButton"));
  EXPECT_TRUE(OnStageSelect());
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(Play().game().stageIndex, 1);
  EXPECT_EQ(Control<QListWidget>("StageList")->item(1)->text(), QStringLiteral("★ last"));
  EXPECT_EQ(ReadFile("test.ssp"),
            test::StageFileText({EastClearLine("first"), EastClearLine("last").replace(74, 1, "1")}));
}

TEST_F(WindowTest, AFailedSaveIsReportedAndTheClearStillEnds) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(kGeneratedName));  // the stage file cannot be created
  Start();
  Choose(0);
  ClearStageOne(*form);
  ASSERT_EQ(dialogs().errors.size(), 1u);
  EXPECT_EQ(dialogs().errors[0].text, QStringLiteral("ファイル %1 を作成できません.").arg(kGeneratedName));
  EXPECT_TRUE(OnStageSelect());
  EXPECT_EQ(SelectedRow(), 1);
  // Everything works again: the next stage can be chosen and played.
  Choose(1);
  ASSERT_TRUE(OnPlayScreen());
  Click(Control<QPushButton>("EMoveButton"));
  EXPECT_EQ(Play().game().undo.undoCount, 1);
}

TEST_F(WindowTest, ExitWritesTheWindowPositionAndTheStageFileName) {
  UseStageFile({EastClearLine("a")});
  WriteFile("suispo.ini", "[Position]\r\nxpos=100\r\nypos=200\r\n[FileName]\r\ndatafile=test.ssp\r\n");
  Start();
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(200, 100));  // xpos is the top, ypos the left
  Control<QAction>("ExitMenu")->trigger();
  EXPECT_FALSE(form->isVisible());
  const std::string ini = ReadFile("suispo.ini");
  EXPECT_NE(ini.find("xpos=100"), std::string::npos) << ini;
  EXPECT_NE(ini.find("ypos=200"), std::string::npos) << ini;
  EXPECT_NE(ini.find("datafile=test.ssp"), std::string::npos) << ini;
  EXPECT_TRUE(dialogs().errors.empty());
}

TEST_F(WindowTest, AFailedSettingsWriteIsReportedOnceAndTheWindowStillCloses) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("suispo.ini"));
  Start();
  form->close();
  EXPECT_FALSE(form->isVisible());
  ASSERT_EQ(dialogs().errors.size(), 1u);
  EXPECT_EQ(dialogs().errors[0].text, QString::fromStdString(Path("suispo.ini")) + QStringLiteral(" に書き込めません."));
}

}  // namespace
}  // namespace suispo::test
