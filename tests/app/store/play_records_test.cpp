// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The best clears: kept by the stage's content, starred only at par without a hint, saved whole.
#include <gtest/gtest.h>

#include "app/store/play_records.h"
#include "app/store/stage_store.h"
#include "core/rules/builtin_stages.h"
#include "core/text/game_error.h"
#include "core/rules/stage_line.h"
#include "tests/app/store/temp_folder.h"

namespace suispo::test {
namespace {

const StageLine kStageOne = BuiltinStages()[0];

// The same stage as another file may hold it: cleared and under another name.
StageLine Renamed(const StageLine& line) { return MarkedCleared(line.substr(0, 74) + "0another name"); }

TEST(PlayRecords, TheBestClearIsKeptByTheStagesContentAcrossARestart) {
  TempFolder folder;
  PlayRecords records(folder / "records.txt");
  records.Read();
  EXPECT_FALSE(records.Find(kStageOne));
  EXPECT_TRUE(records.Note(kStageOne, 9, 7, false).newBest);
  EXPECT_FALSE(records.Note(kStageOne, 11, 7, false).newBest);  // a worse clear keeps the best
  records.Save();

  PlayRecords again(folder / "records.txt");
  again.Read();
  EXPECT_EQ(again.Find(Renamed(kStageOne)), (StageRecord{9, false}));
  EXPECT_FALSE(again.Find(BuiltinStages()[1]));
  const ClearNote better = again.Note(Renamed(kStageOne), 8, 7, false);
  EXPECT_TRUE(better.newBest);
  EXPECT_EQ(better.record, (StageRecord{8, false}));
}

TEST(PlayRecords, TheStarNeedsTheParOrFewerWithoutAHintAndStays) {
  PlayRecords records("/nonexistent/records.txt");
  EXPECT_FALSE(records.Note(kStageOne, 7, 7, true).record.star);  // at par, but with a hint
  EXPECT_FALSE(records.Note(kStageOne, 7, std::nullopt, false).record.star);  // par not known
  EXPECT_FALSE(records.Note(kStageOne, 8, 7, false).record.star);
  EXPECT_TRUE(records.Note(kStageOne, 7, 7, false).record.star);
  EXPECT_TRUE(records.Note(kStageOne, 12, 7, true).record.star);  // a later clear takes nothing away
  const std::vector<StageLine> list = {kStageOne, BuiltinStages()[1], MarkedCleared(BuiltinStages()[2])};
  const std::vector<std::string> lines = StageListLines(list, &records);
  EXPECT_EQ(lines[0].substr(0, 4), "★ ");
  EXPECT_EQ(lines[1].substr(0, 4), "\u3000 ");
  EXPECT_EQ(lines[2].substr(0, 4), "☆ ");
}

TEST(PlayRecords, ASaveReplacesTheFileWholeOrNotAtAll) {
  TempFolder folder;
  WriteBytes(folder / "records.txt", "5 1 " + kStageOne.substr(0, 74) + "\nnot a record\n3 7 x\n");
  PlayRecords records(folder / "records.txt");
  records.Read();  // the lines that do not read are skipped
  EXPECT_EQ(records.Find(kStageOne), (StageRecord{5, true}));
  records.Note(BuiltinStages()[1], 20, 12, false);
  const std::string before = ReadBytes(folder / "records.txt");
  {
    FileSizeLimit full(40);  // the disk fills up during the save
    EXPECT_THROW(records.Save(), GameError);
  }
  EXPECT_EQ(ReadBytes(folder / "records.txt"), before);
  EXPECT_EQ(folder.Names(), std::set<std::string>{"records.txt"});  // no temporary left
  records.Save();
  PlayRecords saved(folder / "records.txt");
  saved.Read();
  EXPECT_EQ(saved.Find(kStageOne), (StageRecord{5, true}));
  EXPECT_EQ(saved.Find(BuiltinStages()[1]), (StageRecord{20, false}));
}

}  // namespace
}  // namespace suispo::test
