// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Start-up, closing and Game > Open: what the store reads, remembers and writes back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/rules/builtin_stages.h"
#include "core/text/game_error.h"
#include "core/files/stage_file.h"
#include "app/store/file_paths.h"
#include "tests/app/store/store_fixture.h"
#include "tests/support/stage_file_text.h"
#include "tests/support/worded_error.h"

namespace suispo {
namespace {

using test::Line;
using test::ReadBytes;
using test::StoreTest;
using test::TempFolder;
using test::WriteBytes;

// Built-in stages never saved are not remembered: the next start makes a new name anyway, and a
// name the settings keep always stands for a file that was there.
TEST_F(StoreTest, FirstRunUsesTheBuiltinStagesAndWritesOnlyAtClose) {
  StageStore store = MakeStore();
  const WindowPosition position = store.FormCreate();
  EXPECT_EQ(position.top, 0);
  EXPECT_EQ(position.left, 0);
  EXPECT_EQ(store.dataList, BuiltinStages());
  EXPECT_EQ(store.dataFileName, "20060121 093015.ssp");
  EXPECT_TRUE(program.Names().empty());

  store.FormClose({0, 0});
  EXPECT_EQ(ReadBytes(program / "suispo.ini"),
            "[Position]\r\nxpos=0\r\nypos=0\r\n[FileName]\r\ndatafile=\r\n");
  EXPECT_EQ(program.Names(), std::set<std::string>{"suispo.ini"});
}

// The zoom is one of the offered steps or 100, and a chosen one comes back at the next start.
TEST_F(StoreTest, ZoomIsReadAsAnOfferedStepAndWrittenBack) {
  for (const auto& [stored, zoom] : std::vector<std::pair<std::string, int>>{
           {"200", 200}, {"150", 150}, {"300", 300}, {"175", 100}, {"0x96", 100}, {"big", 100}, {"", 100}}) {
    WriteSettings("[View]\r\nzoom=" + stored + "\r\n");
    StageStore store = MakeStore();
    store.FormCreate();
    EXPECT_EQ(store.zoom, zoom) << stored;
  }
  StageStore store = MakeStore();
  store.FormCreate();
  store.zoom = 150;
  store.FormClose({0, 0});
  EXPECT_NE(ReadBytes(program / "suispo.ini").find("[View]\r\nzoom=150\r\n"), std::string::npos);
  StageStore next = MakeStore();
  next.FormCreate();
  EXPECT_EQ(next.zoom, 150);
}

// The language is read before the window and its texts exist: a chosen one comes back at the next
// start, and any word but "ja" or "en" is Japanese. The create handler after it reads the file no more.
TEST_F(StoreTest, TheChosenLanguageIsKnownBeforeTheWindowIsBuiltFromTheOneReadingOfTheSettings) {
  const auto languageAtStart = [this] {
    StageStore start = MakeStore();
    start.ReadSettingsFile();
    return start.language;
  };
  EXPECT_EQ(languageAtStart(), Language::kJapanese);
  StageStore store = MakeStore();
  store.FormCreate();
  store.language = Language::kEnglish;
  store.FormClose({0, 0});
  EXPECT_NE(ReadBytes(program / "suispo.ini").find("[View]\r\nlanguage=en\r\n"), std::string::npos);
  EXPECT_EQ(languageAtStart(), Language::kEnglish);
  WriteSettings("[View]\r\nlanguage=fr\r\n");
  EXPECT_EQ(languageAtStart(), Language::kJapanese);
  StageStore once = MakeStore();
  once.ReadSettingsFile();
  WriteSettings("[View]\r\nlanguage=en\r\n");
  once.FormCreate();
  EXPECT_EQ(once.language, Language::kJapanese);
}

// The speed is one of the menu's words, matched exactly; any other is the usual pace.
TEST_F(StoreTest, AWordThatIsNoSpeedIsTheUsualPace) {
  for (const auto& [stored, speed] : std::vector<std::pair<std::string, AnimationSpeed>>{
           {"fast", AnimationSpeed::kFast}, {"none", AnimationSpeed::kNone}, {"slow", AnimationSpeed::kNormal},
           {"Fast", AnimationSpeed::kNormal}}) {
    WriteSettings("[Animation]\r\nspeed=" + stored + "\r\n");
    StageStore store = MakeStore();
    store.FormCreate();
    EXPECT_EQ(store.animationSpeed, speed) << stored;
  }
}

// Keys and sections the game does not know stay where they are beside the settings it writes.
TEST_F(StoreTest, UnknownKeysAndSectionsAreKept) {
  WriteSettings("[View]\r\ntheme=dark\r\nzoom=150\r\n[Weather]\r\nrain=80\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  store.zoom = 200;
  store.FormClose({0, 0});
  EXPECT_EQ(ReadBytes(program / "suispo.ini"),
            "[View]\r\ntheme=dark\r\nzoom=200\r\n[Weather]\r\nrain=80\r\n"
            "[Position]\r\nxpos=0\r\nypos=0\r\n[FileName]\r\ndatafile=\r\n");
}

TEST_F(StoreTest, MidnightGivesANameWithoutTheTime) {
  StageStore store = MakeStore({2006, 1, 21, 0, 0, 0});
  store.FormCreate();
  EXPECT_EQ(store.dataFileName, "20060121.ssp");
  StageStore oneSecondLater = MakeStore({2006, 1, 21, 0, 0, 1});
  oneSecondLater.FormCreate();
  EXPECT_EQ(oneSecondLater.dataFileName, "20060121 000001.ssp");
}

TEST_F(StoreTest, PositionsReadBackUnchanged) {
  struct Case {
    std::string xpos, ypos;
    int top, left;
  };
  for (const Case& c : {Case{"100", "200", 100, 200}, Case{"-30", "-1280", -30, -1280},
                        Case{"0x10", "0XfF", 16, 255}, Case{"x", "", 0, 0}}) {
    const std::string settings = "[Position]\r\nxpos=" + c.xpos + "\r\nypos=" + c.ypos + "\r\n";
    WriteSettings(settings);
    StageStore store = MakeStore();
    const WindowPosition position = store.FormCreate();
    EXPECT_EQ(position.top, c.top) << c.xpos;  // "xpos" holds the top edge
    EXPECT_EQ(position.left, c.left) << c.ypos;
    EXPECT_EQ(store.position.top, c.top);

    store.FormClose(position);
    StageStore next = MakeStore();
    const WindowPosition again = next.FormCreate();
    EXPECT_EQ(again.top, c.top);
    EXPECT_EQ(again.left, c.left);
    if (c.top == 100 || c.top == -30) {  // decimal values come back byte for byte
      EXPECT_EQ(ReadBytes(program / "suispo.ini"),
                settings + "[FileName]\r\ndatafile=\r\n");
    }
  }
}

TEST_F(StoreTest, CloseKeepsCommentsSectionsSpacingAndQuotes) {
  WriteBytes(program / "mine.ssp", Line('0') + "\r\n");
  WriteSettings(
      "; settings of the game\n"
      "[Other]\n"
      "xpos=5\n"
      "[ position ]\n"
      "  XPOS = 7\n"
      "; the left edge follows\n"
      "ypos='8'\n"
      "\n"
      "[filename]\n"
      "DataFile = \"mine.ssp\"\n");
  StageStore store = MakeStore();
  const WindowPosition position = store.FormCreate();
  EXPECT_EQ(position.top, 7);
  EXPECT_EQ(position.left, 8);
  EXPECT_EQ(store.dataFileName, "mine.ssp");
  store.FormClose({-1, 1920});
  EXPECT_EQ(ReadBytes(program / "suispo.ini"),
            "; settings of the game\n"
            "[Other]\n"
            "xpos=5\n"
            "[ position ]\n"
            "  XPOS = -1\n"
            "; the left edge follows\n"
            "ypos=1920\n"
            "\n"
            "[filename]\n"
            "DataFile = mine.ssp\n");
}

TEST_F(StoreTest, ARememberedFileIsLoadedFromTheProgramFolderOnly) {
  WriteBytes(program / "mine.ssp", test::StageFileText({Line('1', "a"), Line('0', "b")}));
  WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  EXPECT_EQ(store.dataFileName, "mine.ssp");
  EXPECT_EQ(store.dataList, (std::vector<StageLine>{Line('1', "a"), Line('0', "b")}));
}

TEST_F(StoreTest, AMissingOrFolderNameGivesTheBuiltinStages) {
  std::filesystem::create_directory(program / "folder.ssp");
  for (const std::string name : {"gone.ssp", "folder.ssp", "", "."}) {
    WriteSettings("[FileName]\r\ndatafile=" + name + "\r\n");
    StageStore store = MakeStore();
    store.FormCreate();
    EXPECT_EQ(store.dataList, BuiltinStages()) << name;
    EXPECT_EQ(store.dataFileName, "20060121 093015.ssp") << name;
  }
}

TEST_F(StoreTest, EveryLineEndLoadsTheSameEntries) {
  const std::vector<StageLine> expected{Line('0', "a"), "", Line('1', "c")};
  for (const std::string& text :
       {Line('0', "a") + "\r\n\r\n" + Line('1', "c") + "\r\n", Line('0', "a") + "\n\n" + Line('1', "c") + "\n",
        Line('0', "a") + "\r\r" + Line('1', "c") + "\r", Line('0', "a") + "\r\n\n" + Line('1', "c")}) {
    WriteBytes(program / "mine.ssp", text);
    WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
    StageStore store = MakeStore();
    store.FormCreate();
    EXPECT_EQ(store.dataList, expected);
  }
}

TEST_F(StoreTest, ARefusedRememberedFileLeavesAnEmptyListAndItsName) {
  WriteBytes(program / "bad.ssp", Line('0') + std::string("\r\nx\0y", 5));
  WriteSettings("[Position]\r\nxpos=40\r\n[FileName]\r\ndatafile=bad.ssp\r\n");
  StageStore store = MakeStore();
  EXPECT_THROW(store.FormCreate(), GameError);
  EXPECT_TRUE(store.dataList.empty());
  EXPECT_EQ(store.dataFileName, "bad.ssp");
  EXPECT_EQ(store.position.top, 40);  // the window can still be placed
}

TEST_F(StoreTest, AFileOpenedFromAnotherFolderIsTheListAtTheNextStartWithItsStars) {
  TempFolder elsewhere;
  WriteBytes(elsewhere / "other.ssp", test::StageFileText({Line('0', "x"), Line('0', "y")}));
  StageStore store = MakeStore();
  store.FormCreate();
  store.LoadFile(elsewhere / "other.ssp");
  EXPECT_EQ(store.dataFileName, "other.ssp");
  store.MarkStageCleared(1);
  store.FormClose({0, 0});
  EXPECT_EQ(ReadBytes(program / "suispo.ini"), "[Position]\r\nxpos=0\r\nypos=0\r\n[FileName]\r\ndatafile=" +
                                                  elsewhere / "other.ssp" + "\r\n");

  StageStore next = MakeStore();
  next.FormCreate();
  EXPECT_NO_THROW(next.ReportGoneFile());
  EXPECT_EQ(StageListLines(next.dataList), (std::vector<std::string>{"\u3000 x", "☆ y"}));
  next.MarkStageCleared(0);  // saved where it lies, not beside the program
  EXPECT_EQ(ReadBytes(elsewhere / "other.ssp"), test::StageFileText({Line('1', "x"), Line('1', "y")}));
  EXPECT_EQ(program.Names(), std::set<std::string>{"suispo.ini"});
}

TEST_F(StoreTest, AFileInTheProgramFolderIsRememberedByItsBareName) {
  WriteBytes(program / "mine.ssp", Line('0', "a") + "\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  std::filesystem::create_directory(program / "sub");
  store.LoadFile(program / "sub/../mine.ssp");  // the same folder, named another way
  store.FormClose({0, 0});
  EXPECT_NE(ReadBytes(program / "suispo.ini").find("datafile=mine.ssp\r\n"), std::string::npos);
}

TEST_F(StoreTest, AGoneRememberedFileIsReportedOnceAndTheBuiltinStagesAreUsed) {
  TempFolder elsewhere;
  for (const std::string& remembered : {elsewhere / "gone.ssp", std::string("gone.ssp")}) {
    WriteSettings("[FileName]\r\ndatafile=" + remembered + "\r\n");
    StageStore store = MakeStore();
    EXPECT_NO_THROW(store.FormCreate());
    EXPECT_EQ(store.dataList, BuiltinStages());
    EXPECT_EQ(store.dataFileName, "20060121 093015.ssp");
    const std::string path = remembered.front() == '/' ? remembered : program / remembered;
    try {
      store.ReportGoneFile();
      ADD_FAILURE() << "not reported: " << remembered;
    } catch (const GameError& error) {
      EXPECT_EQ(test::Worded(error), "ファイル " + path + " は開けません");
    }
    EXPECT_NO_THROW(store.ReportGoneFile());
    store.FormClose({0, 0});
    StageStore next = MakeStore();  // the next start has nothing to report
    next.FormCreate();
    EXPECT_NO_THROW(next.ReportGoneFile());
  }
}

TEST_F(StoreTest, AFileThatCannotBeOpenedChangesNothing) {
  TempFolder elsewhere;
  WriteBytes(elsewhere / "nul.ssp", std::string("a\0b", 3));
  WriteBytes(elsewhere / "long.ssp", test::StageFileText({Line('0'), std::string(4096, 'n')}));
  WriteBytes(elsewhere / "longest.ssp", std::string(4095, 'n'));
  WriteBytes(elsewhere / "big.ssp", "");
  std::filesystem::resize_file(elsewhere / "big.ssp", kMaxFileBytes + 1);
  ASSERT_EQ(mkfifo((elsewhere / "fifo.ssp").c_str(), 0600), 0);
  StageStore store = MakeStore();
  store.FormCreate();

  try {
    store.LoadFile(elsewhere / "none.ssp");
    ADD_FAILURE() << "a missing file was opened";
  } catch (const GameError& error) {
    EXPECT_EQ(test::Worded(error), "ファイル " + elsewhere / "none.ssp" + " は開けません");
  }
  for (const std::string& path : {elsewhere / "nul.ssp", elsewhere / "long.ssp", elsewhere / "big.ssp",
                                  elsewhere / "fifo.ssp", elsewhere.path()}) {
    EXPECT_THROW(store.LoadFile(path), GameError) << path;
    EXPECT_EQ(store.dataList, BuiltinStages());
    EXPECT_EQ(store.dataFileName, "20060121 093015.ssp");
  }
  store.LoadFile(elsewhere / "longest.ssp");  // 4095 bytes is still a line
  EXPECT_EQ(store.dataList, std::vector<StageLine>{std::string(4095, 'n')});
}

TEST_F(StoreTest, ASettingsFileThatIsNoRegularFileIsIgnoredAtStartAndNotWrittenAtClose) {
  // A FIFO without a writer would hold the start-up for good.
  ASSERT_EQ(mkfifo((program / "suispo.ini").c_str(), 0600), 0);
  StageStore store = MakeStore();
  const WindowPosition position = store.FormCreate();
  EXPECT_EQ(position.top, 0);
  EXPECT_EQ(store.dataList, BuiltinStages());
  try {
    store.FormClose({5, 6});
    ADD_FAILURE() << "the settings were not reported unwritten";
  } catch (const GameError& error) {
    EXPECT_EQ(test::Worded(error), program / "suispo.ini" + " に書き込めません");
  }
  EXPECT_TRUE(std::filesystem::is_fifo(program / "suispo.ini"));
}

TEST(StageListLinesTest, MarksAndDecodedNames) {
  const std::vector<StageLine> lines{Line('0', "\x96\xee\x88\xf3"), Line('1', "plain"),
                                     Line('x', "\xe7\x9f\xa2"), std::string(74, '0'), Line('0', "")};
  EXPECT_EQ(StageListLines(lines), (std::vector<std::string>{"\u3000 矢印", "☆ plain", "☆ 矢",
                                                             "☆ ", "\u3000 "}));
}

TEST(ProgramDirectoryTest, IsTheFolderOfThisTestProgram) {
  const std::string folder = ProgramDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(std::filesystem::canonical(folder),
            std::filesystem::canonical("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace suispo
