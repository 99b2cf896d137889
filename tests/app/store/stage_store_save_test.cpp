// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Saving a clear: where the stage file goes, what changes in it, and what a failed save leaves.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/time.h>

#include "core/rules/builtin_stages.h"
#include "core/text/game_error.h"
#include "core/rules/stage_line.h"
#include "tests/app/store/store_fixture.h"
#include "tests/support/stage_file_text.h"
#include "tests/support/worded_error.h"

namespace suispo {
namespace {

using test::FileSizeLimit;
using test::Line;
using test::ReadBytes;
using test::StageFileText;
using test::StoreTest;
using test::TempFolder;
using test::WriteBytes;

// Runs the test body with another current directory, so a save there would show.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& path) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~CurrentDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

TEST_F(StoreTest, ClearingABuiltinStageCreatesTheGeneratedFileInTheProgramFolder) {
  TempFolder current;
  CurrentDirectory inside(current.path());
  StageStore store = MakeStore();
  store.FormCreate();
  store.MarkStageCleared(2);

  std::vector<StageLine> expected = BuiltinStages();
  expected[2][74] = '1';
  EXPECT_EQ(store.dataList, expected);
  EXPECT_EQ(ReadBytes(program / "20060121 093015.ssp"), StageFileText(expected));
  EXPECT_TRUE(current.Names().empty());

  // The next start finds it again once the settings name it.
  store.FormClose({0, 0});
  StageStore next = MakeStore({2007, 2, 2, 2, 2, 2});
  next.FormCreate();
  EXPECT_EQ(next.dataFileName, "20060121 093015.ssp");
  EXPECT_EQ(next.dataList, expected);
}

TEST_F(StoreTest, AClearChangesOnlyTheFlagAndWritesCrLfEverywhere) {
  const StageLine named = Line('0', "\x83\x8f\x81\x5b\x83\x76");  // a Shift-JIS name with a '[' byte
  const StageLine exactly75 = std::string(74, '0') + "0";
  const StageLine shortLine = "0123";
  WriteBytes(program / "mine.ssp", named + "\n\n" + exactly75 + "\r" + shortLine);
  WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();

  store.MarkStageCleared(0);
  store.MarkStageCleared(2);
  store.MarkStageCleared(2);  // cleared again: the flag is written once more, nothing grows
  store.MarkStageCleared(3);
  store.MarkStageCleared(9);  // no such stage: nothing happens

  StageLine namedCleared = named;
  namedCleared[74] = '1';
  // The short line is completed so that it plays the same, with the flag at its place.
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), namedCleared + "\r\n\r\n" + std::string(74, '0') + "1\r\n" +
                                                 "0123" + std::string(68, '0') + "  1\r\n");
}

TEST_F(StoreTest, AByteOrderMarkIsSkippedOnReadingAndWrittenBackOnSaving) {
  const std::string mark = "\xEF\xBB\xBF";
  WriteBytes(program / "mine.ssp", mark + StageFileText({Line('0', "a"), Line('0', "b")}));
  WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  EXPECT_EQ(store.dataList, (std::vector<StageLine>{Line('0', "a"), Line('0', "b")}));
  store.MarkStageCleared(0);
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), mark + StageFileText({Line('1', "a"), Line('0', "b")}));
}

TEST_F(StoreTest, ANameWithALineBreakIsOpenedAndSavedButNeverRemembered) {
  TempFolder elsewhere;
  WriteBytes(program / "mine.ssp", Line('0') + "\r\n");
  WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  for (const std::string name : {"two\nlines.ssp", "two\rlines.ssp"}) {
    WriteBytes(elsewhere / name, Line('0') + "\r\n");
    store.LoadFile(elsewhere / name);
    EXPECT_EQ(store.dataFileName, name);
    store.MarkStageCleared(0);
    EXPECT_EQ(ReadBytes(elsewhere / name), Line('1') + "\r\n");
    store.FormClose({0, 0});
    EXPECT_EQ(ReadBytes(program / "suispo.ini"), "[FileName]\r\ndatafile=mine.ssp\r\n[Position]\r\nxpos=0\r\nypos=0\r\n");
  }
}

TEST_F(StoreTest, AfterOpenSavesGoToTheChosenFilesFolder) {
  TempFolder elsewhere;
  TempFolder current;
  WriteBytes(elsewhere / "other.ssp", Line('0') + "\r\n");
  WriteBytes(program / "other.ssp", "unrelated");
  WriteBytes(current / "other.ssp", "unrelated too");
  CurrentDirectory inside(current.path());
  StageStore store = MakeStore();
  store.FormCreate();
  store.LoadFile(elsewhere / "other.ssp");
  store.MarkStageCleared(0);

  EXPECT_EQ(ReadBytes(elsewhere / "other.ssp"), Line('1') + "\r\n");
  EXPECT_EQ(ReadBytes(program / "other.ssp"), "unrelated");
  EXPECT_EQ(ReadBytes(current / "other.ssp"), "unrelated too");
}

TEST_F(StoreTest, ARelativeOpenStillSavesThereAfterTheCurrentDirectoryChanges) {
  TempFolder first;
  TempFolder second;
  WriteBytes(first / "rel.ssp", Line('0') + "\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  {
    CurrentDirectory inside(first.path());
    store.LoadFile("rel.ssp");
  }
  CurrentDirectory moved(second.path());
  store.MarkStageCleared(0);
  EXPECT_EQ(ReadBytes(first / "rel.ssp"), Line('1') + "\r\n");
  EXPECT_TRUE(second.Names().empty());
}

TEST_F(StoreTest, AFailedSaveReportsItAndLeavesTheOldFileWhole) {
  const std::string old = StageFileText({Line('0', std::string(200, 'a')), Line('0', std::string(200, 'b'))});
  WriteBytes(program / "mine.ssp", old);
  WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  {
    FileSizeLimit limit(100);  // the new file cannot be written out, as on a full disk
    try {
      store.MarkStageCleared(1);
      ADD_FAILURE() << "the failed save was not reported";
    } catch (const GameError& error) {
      EXPECT_EQ(test::Worded(error), "ファイル mine.ssp を作成できません");
    }
  }
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), old);
  EXPECT_EQ(program.Names(), (std::set<std::string>{"mine.ssp", "suispo.ini"}));

  // The list kept the flag; the next save writes it with the other clear.
  EXPECT_TRUE(IsCleared(store.dataList[1]));
  store.MarkStageCleared(0);
  EXPECT_EQ(ReadBytes(program / "mine.ssp"),
            StageFileText({Line('1', std::string(200, 'a')), Line('1', std::string(200, 'b'))}));
}

TEST_F(StoreTest, ASaveIntoAVanishedFolderIsReported) {
  TempFolder elsewhere;
  std::filesystem::create_directory(elsewhere / "sub");
  WriteBytes(elsewhere / "sub/other.ssp", Line('0') + "\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  store.LoadFile(elsewhere / "sub/other.ssp");
  std::filesystem::remove_all(elsewhere / "sub");
  WriteBytes(elsewhere / "sub", "now a file");
  EXPECT_THROW(store.MarkStageCleared(0), GameError);
  EXPECT_EQ(ReadBytes(elsewhere / "sub"), "now a file");
  EXPECT_EQ(elsewhere.Names(), std::set<std::string>{"sub"});
}

TEST_F(StoreTest, AFailedSettingsWriteIsReportedWithItsPath) {
  std::filesystem::create_directory(program / "suispo.ini");
  StageStore store = MakeStore();
  store.FormCreate();
  try {
    store.FormClose({1, 2});
    ADD_FAILURE() << "the failed write was not reported";
  } catch (const GameError& error) {
    EXPECT_EQ(test::Worded(error), program / "suispo.ini" + " に書き込めません");
  }
  std::filesystem::remove(program / "suispo.ini");

  const std::string old = "; " + std::string(300, 'c') + "\r\n[Position]\r\nxpos=1\r\n";
  WriteSettings(old);
  {
    FileSizeLimit limit(100);
    EXPECT_THROW(store.FormClose({5, 6}), GameError);
  }
  EXPECT_EQ(ReadBytes(program / "suispo.ini"), old);
  EXPECT_EQ(program.Names(), std::set<std::string>{"suispo.ini"});
}

// A store that has read mine.ssp, holding the stages a and b, from the program folder.
class ClearSaveTest : public StoreTest {
 protected:
  void SetUp() override {
    WriteBytes(program / "mine.ssp", StageFileText({Line('0', "a"), Line('0', "b")}));
    WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
    store.FormCreate();
  }
  // Clears the stage and expects the refusal with its text; the list keeps no star.
  void ExpectRefused(int stageIndex, const std::string& reason) {
    const std::vector<StageLine> before = store.dataList;
    try {
      store.MarkStageCleared(stageIndex);
      ADD_FAILURE() << "the save was not refused";
    } catch (const GameError& error) {
      EXPECT_EQ(test::Worded(error), "ファイル mine.ssp は" + reason + "、保存しませんでした");
    }
    EXPECT_EQ(store.dataList, before);
  }
  StageStore store = MakeStore();
};

TEST_F(ClearSaveTest, AClearKeepsWhatOthersWroteSinceTheFileWasRead) {
  // Written in place, as an editor that keeps the file does: one stage added, one cleared by another game.
  std::ofstream(program / "mine.ssp", std::ios::binary | std::ios::trunc)
      << StageFileText({Line('0', "new"), Line('0', "a"), Line('1', "b"), Line('0', "c")});
  store.MarkStageCleared(0);
  const std::vector<StageLine> saved{Line('0', "new"), Line('1', "a"), Line('1', "b"), Line('0', "c")};
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), StageFileText(saved));
  EXPECT_EQ(store.dataList, saved);  // the list shows what was saved
}

TEST_F(ClearSaveTest, ALinkPutInTheFilesPlaceIsNeverWrittenThrough) {
  WriteBytes(program / "victim", Line('0', "a") + "\r\n");
  std::filesystem::remove(program / "mine.ssp");
  std::filesystem::create_symlink(program / "victim", program / "mine.ssp");
  ExpectRefused(0, "読み込んだ後に変更されたため");
  EXPECT_EQ(ReadBytes(program / "victim"), Line('0', "a") + "\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(program / "mine.ssp"));
}

TEST_F(ClearSaveTest, AnotherUsersFileOrAGoneStageIsNotWritten) {
  const std::string theirs = StageFileText({Line('0', "a"), Line('0', "b")});
  WriteBytes(program / "other", theirs);
  ASSERT_EQ(chown((program / "other").c_str(), 4321, 4321), 0);  // the tests run as root
  std::filesystem::rename(program / "other", program / "mine.ssp");
  ExpectRefused(0, "読み込んだ後に変更されたため");
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), theirs);

  std::filesystem::remove(program / "mine.ssp");
  WriteBytes(program / "mine.ssp", StageFileText({Line('0', "b")}));
  ExpectRefused(0, "読み込んだ後に変更されたため");
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), StageFileText({Line('0', "b")}));
}

TEST_F(ClearSaveTest, AReadOnlyFileIsNotReplaced) {
  chmod((program / "mine.ssp").c_str(), 0444);
  ExpectRefused(1, "読み取り専用のため");
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), StageFileText({Line('0', "a"), Line('0', "b")}));
}

TEST_F(ClearSaveTest, APlayersOwnLinkIsStillWrittenThrough) {
  std::filesystem::rename(program / "mine.ssp", program / "real.ssp");
  std::filesystem::create_symlink(program / "real.ssp", program / "mine.ssp");
  store.FormCreate();
  store.MarkStageCleared(1);
  store.MarkStageCleared(0);
  EXPECT_EQ(ReadBytes(program / "real.ssp"), StageFileText({Line('1', "a"), Line('1', "b")}));
  EXPECT_TRUE(std::filesystem::is_symlink(program / "mine.ssp"));
}

TEST_F(StoreTest, ANewStageFileIsNotWrittenWhereSomethingAppearedMeanwhile) {
  StageStore store = MakeStore();
  store.FormCreate();
  std::filesystem::create_symlink(program / "victim", program / "20060121 093015.ssp");
  EXPECT_THROW(store.MarkStageCleared(0), GameError);
  EXPECT_FALSE(std::filesystem::exists(program / "victim"));
}

TEST_F(StoreTest, AClearSavedAfterTheCloseIsStillRemembered) {
  StageStore store = MakeStore();
  store.FormCreate();
  store.FormClose({130, 199});  // the window closed during the winning move's animation
  store.MarkStageCleared(0);
  EXPECT_EQ(ReadBytes(program / "suispo.ini"),
            "[Position]\r\nxpos=130\r\nypos=199\r\n[FileName]\r\ndatafile=20060121 093015.ssp\r\n");
}

TEST_F(StoreTest, WithoutTheRememberedFileTheNewestEarlierBuiltinStageFileComesBack) {
  std::vector<StageLine> older = BuiltinStages(), newer = BuiltinStages(), edited = BuiltinStages();
  older[0][74] = '1';
  newer[1][74] = '1';
  edited.push_back(Line('0'));
  WriteBytes(program / "20050101 000001.ssp", StageFileText(older));
  WriteBytes(program / "20050102 000001.ssp", StageFileText(newer));
  WriteBytes(program / "20050103 000001.ssp", StageFileText(edited));  // not the built-in stages alone
  const timeval past[2] = {{1000, 0}, {1000, 0}};
  utimes((program / "20050101 000001.ssp").c_str(), past);
  WriteSettings("[FileName]\r\ndatafile=gone.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  EXPECT_EQ(store.dataFileName, "20050102 000001.ssp");
  EXPECT_EQ(store.dataList, newer);
  EXPECT_THROW(store.ReportGoneFile(), GameError);
}

}  // namespace
}  // namespace suispo
