// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The best clears: kept by the puzzle, starred only at par without a hint, merged into the file as it
// is now, never written over a file that could not be read or is read-only.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/store/play_records.h"
#include "app/store/stage_store.h"
#include "app/window/verdict_text.h"
#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"
#include "core/files/regular_file.h"
#include "core/text/game_error.h"
#include "tests/app/store/temp_folder.h"
#include "tests/support/worded_error.h"

namespace suispo::test {
namespace {

const StageLine kStageOne = BuiltinStages()[0];
const std::optional<std::string> kOne = PuzzleKey(kStageOne);
const std::optional<std::string> kTwo = PuzzleKey(BuiltinStages()[1]);

// A line no version of the game wrote, which a save must keep as it is.
const std::string kForeignLine = "9 1 written by a later version\r";

class RecordsTest : public ::testing::Test {
 protected:
  std::string path() const { return folder / "records.txt"; }
  PlayRecords Game() const {
    PlayRecords records(path());
    records.Read();
    return records;
  }
  // The message of the save's refusal, or "" when it saved.
  static std::string SaveMessage(PlayRecords& records) {
    try {
      records.Save();
    } catch (const GameError& error) {
      return Worded(error);
    }
    return "";
  }
  TempFolder folder;
};

TEST_F(RecordsTest, TheStarNeedsAKnownParAndNoHintAndOnceEarnedStays) {
  PlayRecords records = Game();
  const ClearVerdict hinted = records.Note(kOne, 7, 7, true);
  EXPECT_TRUE(hinted.hintWithheldStar);
  EXPECT_EQ(VerdictText(hinted).toStdString(), "7手でクリア ヒントを使ったので★はつきません 新記録！");  // says why, in place of the par
  EXPECT_FALSE(records.Note(kOne, 7, std::nullopt, false).star);  // cleared before the par was known
  EXPECT_FALSE(records.Note(kOne, 8, 7, false).star);
  EXPECT_EQ(VerdictText(records.Note(kOne, 6, 6, false)).toStdString(), "6手でクリア（最短 6手）★ 新記録！");
  const ClearVerdict later = records.Note(kOne, 12, 7, true);
  EXPECT_EQ(later.record, (StageRecord{6, true}));
  EXPECT_FALSE(later.newBest);
  const std::vector<StageLine> list = {kStageOne, BuiltinStages()[1], MarkedCleared(BuiltinStages()[2])};
  const std::vector<std::string> lines = StageListLines(list, &records);
  EXPECT_EQ(lines[0].substr(0, 4), "★ ");
  EXPECT_EQ(lines[1].substr(0, 4), "\u3000 ");
  EXPECT_EQ(lines[2].substr(0, 4), "☆ ");
}

TEST_F(RecordsTest, TwoGamesMergeTheirClearsAndKeepLinesTheyCannotRead) {
  // An earlier version's file: keyed by the stage line's first 74 bytes.
  WriteBytes(path(), "5 0 " + kStageOne.substr(0, 74) + "\n" + kForeignLine + "\n");
  PlayRecords first = Game(), second = Game();
  EXPECT_EQ(first.Find(kOne), (StageRecord{5, false}));
  first.Note(kOne, 7, 7, false);  // not fewer, but at par: the star joins the older best
  second.Note(kTwo, 20, 12, false);
  first.Save();
  second.Save();
  const PlayRecords after = Game();
  EXPECT_EQ(after.Find(kOne), (StageRecord{5, true}));
  EXPECT_EQ(after.Find(kTwo), (StageRecord{20, false}));
  EXPECT_NE(ReadBytes(path()).find("\n" + kForeignLine + "\n"), std::string::npos);
}

TEST_F(RecordsTest, AFileThatCannotBeReadIsNeverReplacedAndTheRefusalIsToldOnce) {
  const std::string tooLarge(kMaxFileBytes + 1, '\n');
  WriteBytes(path(), tooLarge);
  PlayRecords records = Game();
  records.Note(kOne, 9, 7, false);
  EXPECT_EQ(SaveMessage(records), "ファイル " + path() + " は大きすぎるため、記録を保存しませんでした");
  records.Note(kTwo, 9, 7, false);
  EXPECT_EQ(SaveMessage(records), "");  // told already
  EXPECT_EQ(ReadBytes(path()), tooLarge);
  // Once the file reads again, the clears kept meanwhile reach it.
  WriteBytes(path(), "");
  records.Save();
  EXPECT_EQ(Game().Find(kOne), (StageRecord{9, false}));
  EXPECT_EQ(Game().Find(kTwo), (StageRecord{9, false}));
}

// A link put at the path: BackgroundWorkTest.ALinkPutAtTheRecordsFilesPathIsNeverWrittenThrough.
TEST_F(RecordsTest, AReadOnlyFileIsNeverWritten) {
  WriteBytes(path(), kForeignLine + "\n");
  PlayRecords records = Game();
  records.Note(kOne, 9, 7, false);
  chmod(path().c_str(), 0444);
  EXPECT_EQ(SaveMessage(records), "ファイル " + path() + " は読み取り専用のため、記録を保存しませんでした");
  EXPECT_EQ(ReadBytes(path()), kForeignLine + "\n");
}

TEST_F(RecordsTest, AFailedSaveLeavesTheFileWholeAndKeepsTheClear) {
  WriteBytes(path(), kForeignLine + "\n");
  PlayRecords records = Game();
  records.Note(kOne, 9, 7, false);
  {
    FileSizeLimit full(40);  // the disk fills up during the save
    EXPECT_THROW(records.Save(), GameError);
  }
  EXPECT_EQ(ReadBytes(path()), kForeignLine + "\n");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"records.txt"});  // no temporary left
  records.Save();
  EXPECT_EQ(Game().Find(kOne), (StageRecord{9, false}));
}

}  // namespace
}  // namespace suispo::test
