// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The shipped chapters copied once into the player's folder, and new stage files written whole or not at all.
#include <gtest/gtest.h>

#include <atomic>

#include "app/store/stage_collection.h"
#include "core/files/stage_file.h"
#include "core/rules/stage_line.h"
#include "tests/app/store/temp_folder.h"

namespace suispo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

constexpr LocalTime kTime{2026, 12, 8, 9, 30, 15};

TEST(StageCollection, ChaptersAreTheStageFilesOfTheFolderInNameOrderWithTheirLabels) {
  TempFolder shipped;
  WriteBytes(shipped / "2-holes.ssp", "x\r\n");
  WriteBytes(shipped / "1-walls.ssp", "x\r\n");
  WriteBytes(shipped / "7-mine.ssp", "x\r\n");
  WriteBytes(shipped / "notes.txt", "x\r\n");
  std::vector<std::string> labels;
  for (const Chapter& c : ChaptersIn(shipped.path())) labels.push_back(c.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"第1章 壁", "第2章 穴", "7-mine"}));
  EXPECT_TRUE(ChaptersIn(shipped / "missing/").empty());
}

TEST(StageCollection, AChapterIsCopiedOnceAndThePlayersCopyKeepsItsClears) {
  TempFolder shipped, player;
  const Chapter chapter{shipped / "1-walls.ssp", "第1章 壁"};
  WriteBytes(chapter.path, "stage one\r\n");
  const std::string copy = PlayerCopyOfChapter(chapter, player / "stages/");
  EXPECT_EQ(copy, player / "stages/1-walls.ssp");
  EXPECT_EQ(ReadBytes(copy), "stage one\r\n");
  WriteBytes(copy, "stage one, cleared\r\n");
  EXPECT_EQ(PlayerCopyOfChapter(chapter, player / "stages/"), copy);
  EXPECT_EQ(ReadBytes(copy), "stage one, cleared\r\n");
}

TEST(StageCollection, ANewStageFileIsNamedByPresetDateAndSeedAndTheToolMakesItAgainFromThem) {
  TempFolder player;
  int made = 0;
  const std::optional<std::string> path = MakeNewStageFile(StagePreset::kBeginner, 3456789012u, player.path(), kTime,
                                                           nullptr, [&](const GenerateProgress& p) { made = p.made; });
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, player / "beginner 20261208 093015 seed 3456789012.ssp");
  EXPECT_EQ(made, 10);
  EXPECT_EQ(player.Names(), std::set<std::string>{"beginner 20261208 093015 seed 3456789012.ssp"});
  // The preset and the seed as the name gives them, read as the stage tool reads its options.
  const GenerateOptions again = ReadOptions({"--preset", "beginner", "--seed", "3456789012"});
  EXPECT_EQ(ReadBytes(*path), StageText(GenerateStages(again).lines));
}

TEST(StageCollection, ACancelledNewStageFileLeavesNoFile) {
  TempFolder player;
  std::atomic<bool> cancel = false;
  // Cancelled half way, as the player's button does from the interface thread.
  const auto stop = [&](const GenerateProgress& p) { cancel = p.made >= 5; };
  EXPECT_FALSE(MakeNewStageFile(StagePreset::kBeginner, 3, player.path(), kTime, &cancel, stop));
  EXPECT_TRUE(player.Names().empty());
}

}  // namespace
}  // namespace suispo
