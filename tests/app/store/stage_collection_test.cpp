// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The shipped chapters copied once into the player's folder, and new stage files written whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <filesystem>

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
  const ChapterCopy copy = PlayerCopyOfChapter(chapter, player / "stages/");
  EXPECT_EQ(copy.path, player / "stages/1-walls.ssp");
  EXPECT_TRUE(copy.made);
  EXPECT_EQ(ReadBytes(copy.path), "stage one\r\n");
  WriteBytes(copy.path, "stage one, cleared\r\n");
  EXPECT_FALSE(PlayerCopyOfChapter(chapter, player / "stages/").made);
  EXPECT_EQ(ReadBytes(copy.path), "stage one, cleared\r\n");
}

TEST(StageCollection, ABrokenChapterOrALinkAtTheCopysNameIsNeverCopiedOrOpened) {
  TempFolder shipped, player;
  const Chapter chapter{shipped / "1-walls.ssp", "第1章 壁"};
  WriteBytes(chapter.path, std::string("stage\0one\r\n", 12));  // a NUL: no stage file
  EXPECT_THROW(PlayerCopyOfChapter(chapter, player.path()), StageFileError);
  EXPECT_TRUE(player.Names().empty());  // so the repaired file is copied later

  WriteBytes(chapter.path, "stage one\r\n");
  WriteBytes(player / "victim", "the player's own file\n");
  std::filesystem::create_symlink(player / "victim", player / "1-walls.ssp");
  EXPECT_THROW(PlayerCopyOfChapter(chapter, player.path()), GameError);
  EXPECT_EQ(ReadBytes(player / "victim"), "the player's own file\n");
}

TEST(StageCollection, ANewStageFileIsNamedByPresetDateAndSeedAndTheToolMakesItAgainFromThem) {
  TempFolder player;
  int made = 0;
  const std::optional<std::string> path = MakeNewStageFile(StagePreset::kBeginner, 3456789012u, player.path(), kTime,
                                                           nullptr, [&](const GenerateProgress& p) { made = p.made; });
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, player / "入門 20261208 093015 seed 3456789012.ssp");
  EXPECT_EQ(made, 10);
  EXPECT_EQ(player.Names(), std::set<std::string>{"入門 20261208 093015 seed 3456789012.ssp"});
  // The preset and the seed as the name gives them, read as the stage tool reads its options.
  const GenerateOptions again = ReadOptions({"--preset", "beginner", "--seed", "3456789012"});
  EXPECT_EQ(ReadBytes(*path), StageText(GenerateStages(again).lines));

  // The same name again, as a link now: a new name, and nothing written through the link.
  std::filesystem::rename(*path, player / "elsewhere");
  std::filesystem::create_symlink(player / "elsewhere", *path);
  const std::string before = ReadBytes(player / "elsewhere");
  EXPECT_EQ(MakeNewStageFile(StagePreset::kBeginner, 3456789012u, player.path(), kTime, nullptr, nullptr),
            player / "入門 20261208 093015 seed 3456789012 (2).ssp");
  EXPECT_EQ(ReadBytes(player / "elsewhere"), before);
}

// In English the file and its stages carry the preset and the words as the player reads them.
TEST(StageCollection, ANewStageFileIsNamedInThePlayersLanguageWithItsSeed) {
  TempFolder player;
  const std::map<std::string, std::string> english{{"穴", "Holes"}, {"矢印", "Arrows"}, {"・", ", "},
                                                   {"広い氷", "Open Ice"}, {"鏡の壁", "Mirrored Walls"},
                                                   {"揃った壁", "Even Walls"}, {"曲がる壁", "Winding Walls"}};
  const NewStageNaming naming{"Beginner", [&english](const char* word) { return english.at(word); }};
  const std::optional<std::string> path =
      MakeNewStageFile(StagePreset::kBeginner, 7, player.path(), kTime, nullptr, nullptr, naming);
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, player / "Beginner 20261208 093015 seed 7.ssp");
  const std::vector<StageLine> stages = ReadStageFile(*path);
  ASSERT_EQ(stages.size(), 10u);
  for (std::size_t i = 0; i < stages.size(); ++i) {
    const std::string name = StageName(stages[i]);
    EXPECT_EQ(name.rfind("Beginner " + std::to_string(i + 1) + " ", 0), 0u) << name;
    const bool english = std::all_of(name.begin(), name.end(), [](char c) { return c > 0 && c != '?'; });
    EXPECT_TRUE(english) << name;  // no Japanese byte, nothing the encoding lost
  }
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
