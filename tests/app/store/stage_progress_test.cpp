// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where each stage file starts on the list, how far the player got in it, and the animation speed kept.
#include "app/store/stage_progress.h"
#include "core/rules/same_stage.h"

#include "tests/app/store/store_fixture.h"
#include "tests/support/stage_file_text.h"

namespace suispo {
namespace {

using test::Line;
using test::StageFileText;
using test::StoreTest;
using test::WriteBytes;

TEST_F(StoreTest, EachFileStartsAtTheStageLastPlayedThereElseAtItsFirstStageNotCleared) {
  WriteBytes(program / "a.ssp", StageFileText({Line('1'), Line('0'), Line('0')}));
  WriteBytes(program / "b.ssp", StageFileText({Line('1'), Line('1')}));
  WriteSettings("[FileName]\r\ndatafile=a.ssp\r\n");
  {
    StageStore store = MakeStore();
    store.FormCreate();
    EXPECT_EQ(store.StartingStage(), 1);
    store.RememberStage(2);
    store.LoadFile(program / "b.ssp");
    EXPECT_EQ(store.StartingStage(), 0);  // all cleared: the first
    store.RememberStage(1);
    store.LoadFile(program / "a.ssp");
    EXPECT_EQ(store.StartingStage(), 2);
    store.FormClose({0, 0});
  }
  StageStore next = MakeStore();
  next.FormCreate();
  EXPECT_EQ(next.StartingStage(), 2);
  next.LoadFile(program / "b.ssp");
  EXPECT_EQ(next.StartingStage(), 1);
}

TEST_F(StoreTest, AfterARestartAClearedLastStageGivesWayToTheNextStageNotCleared) {
  WriteBytes(program / "a.ssp", StageFileText({Line('0'), Line('1'), Line('1'), Line('0')}));
  WriteSettings("[FileName]\r\ndatafile=a.ssp\r\n[LastStage]\r\na.ssp=2\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  EXPECT_EQ(store.StartingStage(), 3);
}

TEST_F(StoreTest, TheBuiltinStagesNeverSavedKeepTheStageLastPlayed) {
  {
    StageStore store = MakeStore();
    store.FormCreate();
    store.RememberStage(2);
    store.FormClose({0, 0});
  }
  StageStore next = MakeStore();
  next.FormCreate();
  EXPECT_EQ(next.StartingStage(), 2);
}

TEST_F(StoreTest, TheAnimationSpeedIsKept) {
  {
    StageStore store = MakeStore();
    store.FormCreate();
    EXPECT_EQ(store.animationSpeed, AnimationSpeed::kNormal);
    store.animationSpeed = AnimationSpeed::kNone;
    store.FormClose({0, 0});
  }
  StageStore next = MakeStore();
  next.FormCreate();
  EXPECT_EQ(next.animationSpeed, AnimationSpeed::kNone);
  next.animationSpeed = AnimationSpeed::kNormal;  // back to the usual pace: written over the other
  next.FormClose({0, 0});
  StageStore third = MakeStore();
  third.FormCreate();
  EXPECT_EQ(third.animationSpeed, AnimationSpeed::kNormal);
}

TEST(StageProgressTest, CountsClearsAndStarsAndFindsTheFirstOpenStage) {
  test::TempFolder folder;
  PlayRecords records(folder / "records.txt");
  // Three stages of their own content (wall points), so each has its own record.
  const auto stage = [](const char* points, char flag) {
    return test::Stage({"C00000", "000000", "000000", "000000", "000000", "000000"}, test::kNoWalls, points, "s", flag);
  };
  const std::vector<StageLine> lines = {stage("01", '1'), stage("02", '0'), stage("03", '1')};
  records.Note(PuzzleKey(lines[2]), 3, 3, false);  // at par without a hint: the star
  records.Note(PuzzleKey(lines[0]), 9, 3, false);
  const StageProgress progress = ProgressOf(lines, records);
  EXPECT_EQ(progress, (StageProgress{1, 2, 3}));
  EXPECT_FALSE(progress.Complete());
  EXPECT_EQ(WithProgress("第1章 壁", progress), "第1章 壁 ★1 ☆2/3");
  EXPECT_EQ(FirstUnclearedStage(lines), 1);
  EXPECT_TRUE(ProgressOf({Line('1')}, records).Complete());
}

}  // namespace
}  // namespace suispo
