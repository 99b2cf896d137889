// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Work that ends after the player moved on: a par for a stage left, a search outliving its window, a
// clear made before its par was known; and the files a clear saves: two games on the same ones, a link
// put at the records file's path.
#include <QThreadPool>

#include "app/store/play_records.h"
#include "core/rules/same_stage.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

// A stage one move east clears, with a hole below it: another puzzle than EastClearLine's.
std::string OtherEastClearLine(const std::string& name) {
  return Stage({"C00002", "000000", "000000", "000000", "000000", "300000"}, kNoWalls, "00", name);
}

// Lets every search finish and its answer reach the interface thread, or be dropped there.
void FinishBackgroundWork() {
  QThreadPool::globalInstance()->waitForDone();
  QCoreApplication::processEvents();
}

class BackgroundWorkTest : public WindowTest {
 protected:
  std::optional<StageRecord> RecordOf(const std::string& line) {
    PlayRecords records(Path("suispo-records.txt"));
    records.Read();
    return records.Find(PuzzleKey(line));
  }
  // The stage file of two puzzles, each cleared by one move east.
  void UseTwoPuzzles() { UseStageFile({EastClearLine("a"), OtherEastClearLine("b")}); }
  std::string BothCleared() const {
    return test::StageFileText({EastClearLine("a").replace(74, 1, "1"), OtherEastClearLine("b").replace(74, 1, "1")});
  }
};

TEST_F(BackgroundWorkTest, AParArrivingAfterItsStageWasLeftIsDropped) {
  Start();
  Choose(4);
  dialogs().answers = {true};
  Click(Control<QPushButton>("giveupButton"));
  FinishBackgroundWork();
  EXPECT_EQ(Play().par(), PuzzleFacts::kPending);
  Choose(0);  // the next stage's own par is searched for and shown
  FinishBackgroundWork();
  EXPECT_EQ(Play().par(), 7);
}

TEST_F(BackgroundWorkTest, AWindowClosedWhileItsSearchesRunLeavesNothingBehind) {
  UseStageFile({EastClearLine("a")});
  Start();
  Choose(0);
  Control<QAction>("hintMenu")->trigger();
  form->close();
  form.reset();
  FinishBackgroundWork();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"suispo.ini", "test.ssp"}));
  EXPECT_EQ(ReadFile("test.ssp"), test::StageFileText({EastClearLine("a")}));
}

TEST_F(BackgroundWorkTest, AClearBeforeTheParIsKnownKeepsItsBestAndEarnsNoStarLater) {
  UseStageFile({EastClearLine("a")});
  Start();
  Control<QListWidget>("StageList")->setCurrentRow(0);
  Select().ChoiseButtomClick();
  // The clear is noted before any event is handled, so before the par's answer can arrive.
  EXPECT_EQ(Play().RecordClear(0, 1, false), "1手でクリア 新記録！");
  FinishBackgroundWork();
  EXPECT_EQ(Play().par(), 1);
  Play().SaveRecords();
  EXPECT_EQ(RecordOf(EastClearLine("a")), (StageRecord{1, false}));
}

TEST_F(BackgroundWorkTest, TwoGamesOnOneStageFileAndRecordsFileKeepBothClears) {
  UseTwoPuzzles();
  WriteFile("suispo-records.txt", "a line no version of the game reads\n");
  Start();
  std::unique_ptr<MainForm> first = std::move(form);
  Start();
  Choose(1);
  Click(Control<QPushButton>("EMoveButton"));
  std::swap(form, first);
  Choose(0);
  Click(Control<QPushButton>("EMoveButton"));
  form->close();
  first->close();
  EXPECT_TRUE(dialogs().errors.empty());
  EXPECT_EQ(ReadFile("test.ssp"), BothCleared());
  EXPECT_EQ(RecordOf(EastClearLine("a"))->best, 1);
  EXPECT_EQ(RecordOf(OtherEastClearLine("b"))->best, 1);
  EXPECT_NE(ReadFile("suispo-records.txt").find("a line no version of the game reads\n"), std::string::npos);
}

TEST_F(BackgroundWorkTest, ALinkPutAtTheRecordsFilesPathIsNeverWrittenThrough) {
  UseTwoPuzzles();
  WriteFile("victim", "the player's own file\n");
  Start();
  QFile::link(QString::fromStdString(Path("victim")), QString::fromStdString(Path("suispo-records.txt")));
  for (int stage : {0, 1}) {
    Choose(stage);
    Click(Control<QPushButton>("EMoveButton"));
  }
  EXPECT_EQ(ReadFile("victim"), "the player's own file\n");
  // Told once, in the records' own words; the stage file still took both clears.
  ASSERT_EQ(dialogs().errors.size(), 1u);
  EXPECT_EQ(dialogs().errors[0].text, QStringLiteral("ファイル %1 は読み込んだ後に変更されたため、記録を保存しませんでした.")
                                          .arg(QString::fromStdString(Path("suispo-records.txt"))));
  EXPECT_EQ(ReadFile("test.ssp"), BothCleared());
}

}  // namespace
}  // namespace suispo::test
