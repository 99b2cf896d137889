// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// English stage names found by the puzzle: a stage keeps its name in any file, an unknown stage has none,
// and every shipped stage and chapter has a row in the tables.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/stage_file.h"
#include "core/files/stage_names.h"
#include "core/rules/builtin_stages.h"
#include "tests/core/stage_fixture.h"

namespace suispo {
namespace {

const std::string kStages = SUISPO_STAGES_DIR;

NameTable EnglishStageNames() { return ReadNameTable(kStages + "/names_en.tsv"); }

TEST(StageNamesTable, ACollectionStageIsNamedByItsPuzzle) {
  const StageLine first = ReadStageFile(kStages + "/1-walls.ssp").at(0);
  EXPECT_EQ(TableStageName(EnglishStageNames(), first), "The Key You Slide Past");
}

TEST(StageNamesTable, AStageCopiedIntoAnotherFileKeepsItsName) {
  const StageLine original = ReadStageFile(kStages + "/3-arrows.ssp").at(1);
  // Cleared and renamed in a player's own file, after another stage.
  const StageLine copy = MarkedCleared(original.substr(0, 75) + "my stage");
  const std::vector<StageLine> file = ParseStageText(StageText({BuiltinStages()[2], copy}), "mine.ssp");
  const NameTable names = EnglishStageNames();
  EXPECT_EQ(TableStageName(names, file[1]), TableStageName(names, original));
  EXPECT_EQ(TableStageName(names, file[1]), "The Arrow at the Corner");
}

TEST(StageNamesTable, AnUnknownStageHasNoName) {
  StageLine changed = BuiltinStages()[0];
  changed[72] = '0';
  changed[73] = '2';  // other wall points: another puzzle
  EXPECT_EQ(TableStageName(EnglishStageNames(), changed), std::nullopt);
  StageLine noStart = BuiltinStages()[0];
  noStart[noStart.find('C')] = '0';
  EXPECT_EQ(TableStageName(EnglishStageNames(), noStart), std::nullopt);
  const NameTable names = EnglishStageNames();
  EXPECT_EQ(ShownStageName(&names, changed), "練習ステージ");  // its own name, as its file gives it
}

TEST(StageNamesTable, TheNamePlateShowsTheTablesNameOfTheStage) {
  const NameTable names = EnglishStageNames();
  test::Play play(BuiltinStages());
  play.game.stageNames = &names;
  play.game.StartStage();
  EXPECT_EQ(play.painter.calls.back(), "DrawStageName(Practice Stage)");
}

TEST(StageNamesTable, RowsAreKeyTabNameAfterCommentsInAnyLineEnd) {
  const NameTable table = ParseNameTable("# key TAB name\r\n1-walls.ssp\tChapter 1: Walls\r\nno tab\n\n6-all.ssp\tAll");
  EXPECT_EQ(table, (NameTable{{"1-walls.ssp", "Chapter 1: Walls"}, {"6-all.ssp", "All"}}));
  EXPECT_TRUE(ReadNameTable(kStages + "/none.tsv").empty());
}

// A stage added to the collection without an English name fails here: scripts/english_names.py makes the rows.
TEST(StageNamesTable, EveryShippedStageAndChapterHasAnEnglishName) {
  const NameTable names = EnglishStageNames();
  const NameTable chapters = ReadNameTable(kStages + "/chapters_en.tsv");
  std::vector<std::pair<std::string, std::vector<StageLine>>> files = {{"built-in", BuiltinStages()}};
  for (const auto& entry : std::filesystem::directory_iterator(kStages)) {
    const std::string file = entry.path().filename().string();
    if (!file.ends_with(".ssp")) continue;
    EXPECT_TRUE(chapters.contains(file)) << file << " has no English chapter name";
    files.emplace_back(file, ReadStageFile(entry.path().string()));
  }
  EXPECT_EQ(files.size(), 7u);
  for (const auto& [file, lines] : files) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(TableStageName(names, lines[i])) << file << " stage " << i + 1 << " has no English name";
    }
  }
}

}  // namespace
}  // namespace suispo
