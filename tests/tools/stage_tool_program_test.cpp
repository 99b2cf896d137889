// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage run as a program: names shown in UTF-8 and escaped, errors reported with its name and
// the exit statuses.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"
#include "tests/app/store/temp_folder.h"
#include "tests/support/stage_file_text.h"

namespace suispo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

struct ToolRun {
  int status;
  std::string out, err;
};

// Runs the tool with the given arguments (already quoted for the shell).
ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
  const std::string command = std::string("env -u XDG_RUNTIME_DIR '") + SUISPO_STAGE_TOOL + "' " + arguments + " >'" +
                              folder / "out" + "' 2>'" + folder / "err" + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(folder / "out"), ReadBytes(folder / "err")};
}

TEST(ListCommandTest, BuiltinNamesInShiftJisComeOutAsUtf8) {
  TempFolder folder;
  std::vector<StageLine> lines = BuiltinStages();
  lines[1][74] = '1';
  std::string text = test::StageFileText(lines);
  text += std::string(75, '0') + "\xe6\xa8\xb9\xe6\xb0\xb7\r\n";  // written by a UTF-8 editor
  text += std::string(75, '0') + "bad\xff\x81\n";
  text += "short";
  WriteBytes(folder / "stages.ssp", text);

  const ToolRun run = RunTool(folder, "list '" + folder / "stages.ssp" + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "1   練習ステージ\n"
            "2 ☆ 矢印地獄\n"
            "3   ワープ、ワープ\n"
            "4   練習ステージ・改\n"
            "5   「惑う」かな？\n"
            "6   樹氷\n"
            "7   bad\uFFFD\uFFFD\n"
            "8 ☆ \n");
}

TEST(ListCommandTest, ErrorsGoToStandardErrorWithStatusTwo) {
  TempFolder folder;
  ToolRun run = RunTool(folder, "list '" + folder / "none.ssp" + "'");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "suispo-stage: cannot open " + folder / "none.ssp" + "\n");
  WriteBytes(folder / "empties.ssp", std::string(20000, '\n'));
  EXPECT_EQ(RunTool(folder, "list '" + folder / "empties.ssp" + "'").err,
            "suispo-stage: " + folder / "empties.ssp" + " has too many lines (at most 10000)\n");

  WriteBytes(folder / "nul.ssp", std::string("a\0b", 3));
  EXPECT_EQ(RunTool(folder, "list '" + folder / "nul.ssp" + "'").status, 2);
  for (const char* wrong : {"list", "play", "render x 1", "solve", "check", "generate", "", "lsit x"}) {
    run = RunTool(folder, wrong);
    EXPECT_EQ(run.status, 2) << wrong;
    EXPECT_TRUE(run.err.starts_with("suispo-stage: ")) << run.err;
  }
}

// Every line of standard error starts with the tool's name.
bool AllPrefixed(const std::string& err) {
  for (std::size_t start = 0; start < err.size(); start = err.find('\n', start) + 1) {
    if (err.compare(start, 14, "suispo-stage: ") != 0) return false;
  }
  return true;
}

TEST(ListCommandTest, OutputFilesAreWrittenWholeAndOnlyOverRegularFiles) {
  TempFolder folder;
  const std::string made = "'" + folder / "made.ssp" + "'";
  for (const char* count : {"0", "10001", "21474835"}) {
    const ToolRun run = RunTool(folder, std::string("generate --count ") + count + " -o " + made);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, std::string("suispo-stage: --count takes 1 to 10000, not ") + count + "\n");
  }
  ASSERT_EQ(RunTool(folder, "generate --count 1 --min-par 2 --max-par 4 -o " + made).status, 0);
  ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
  const ToolRun toFifo = RunTool(folder, "generate --count 1 --min-par 2 --max-par 4 -o '" + folder / "fifo" + "'");
  EXPECT_EQ(toFifo.err, "suispo-stage: " + folder / "fifo" + " is not a regular file\n");
  // Rendered without a runtime folder, Qt's warning about it is the tool's too.
  const ToolRun render = RunTool(folder, "render " + made + " 1 -o '" + folder / "fifo" + "'");
  EXPECT_EQ(render.status, 2);
  EXPECT_TRUE(AllPrefixed(render.err)) << render.err;
  EXPECT_EQ(RunTool(folder, "render " + made + " 1 -o '" + folder / "shot.png" + "'").status, 0);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"err", "fifo", "made.ssp", "out", "shot.png"}));
}

TEST(StageToolProgramTest, AFileWithNoStageFailsCheckAndEveryMessageIsEnglish) {
  TempFolder folder;
  WriteBytes(folder / "empty.ssp", "");
  const ToolRun empty = RunTool(folder, "check '" + folder / "empty.ssp" + "'");
  EXPECT_EQ(empty.status, 2);
  EXPECT_EQ(empty.err, "suispo-stage: " + folder / "empty.ssp" + ": no stage in the file\n");
  const std::string board(kBoardTextLength, '0');
  WriteBytes(folder / "points.ssp", board + "xx0blank\r\n" + board + "-50below\r\n");
  const ToolRun blank = RunTool(folder, "play '" + folder / "points.ssp" + "' 1 E");
  EXPECT_EQ(blank.status, 2);
  EXPECT_EQ(blank.err, "suispo-stage: 'xx' is no integer\n");
  const ToolRun below = RunTool(folder, "check '" + folder / "points.ssp" + "'");
  EXPECT_EQ(below.status, 1);
  EXPECT_NE(below.out.find("its wall points -5 are below 0"), std::string::npos) << below.out;
}

TEST(StageToolProgramTest, AnOutputPathThroughANeighboursLinkExitsWithTwo) {
  TempFolder folder;
  WriteBytes(folder / "victim", "the player's own\n");
  std::filesystem::create_symlink(folder / "victim", folder / "out.ssp");
  if (lchown((folder / "out.ssp").c_str(), 4321, 4321) != 0) GTEST_SKIP() << "a second user's link needs root";
  const ToolRun run = RunTool(folder, "generate --count 1 --min-par 2 --max-par 4 -o '" + folder / "out.ssp" + "'");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "suispo-stage: the path of " + folder / "out.ssp" + " passes a link that is not yours\n");
  EXPECT_EQ(ReadBytes(folder / "victim"), "the player's own\n");
}

TEST(ListCommandTest, AnImpossibleOrUnreachableSetEndsSoonWithStatusTwo) {
  TempFolder folder;
  ToolRun run = RunTool(folder, "generate --keys 0 -o '" + folder / "x.ssp" + "'");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "suispo-stage: --keys takes 1 to 8, not 0\n");
  run = RunTool(folder, "generate --count 1 --min-par 60 --keys 1 --wall-points 0 --mechanics walls -o '" + folder / "x.ssp" + "'");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.starts_with("suispo-stage: no stage came near a par of 60")) << run.err;
}

TEST(ListCommandTest, GenerateThreadsChangeTheTimeNeverTheStages) {
  TempFolder folder;
  for (const char* threads : {"1", "3"}) {
    const std::string made = folder / (std::string("made") + threads + ".ssp");
    ASSERT_EQ(RunTool(folder, std::string("generate --preset beginner --count 3 --threads ") + threads + " -o '" + made + "'").status, 0);
  }
  EXPECT_EQ(ReadBytes(folder / "made1.ssp"), ReadBytes(folder / "made3.ssp"));
  EXPECT_EQ(RunTool(folder, "generate --threads 0 -o '" + folder / "x.ssp" + "'").err,
            "suispo-stage: --threads takes 1 to 64, not 0\n");
}

TEST(ListCommandTest, ControlCharactersInNamesNeverReachTheTerminal) {
  TempFolder folder;
  const std::string board = "C" + std::string(74, '0');
  WriteBytes(folder / "odd.ssp", board + "\x1b]0;owned\x07\x1b[31mred\r\n");
  const std::string file = "'" + folder / "odd.ssp" + "'";
  EXPECT_EQ(RunTool(folder, "list " + file).out, "1   \\x1b]0;owned\\x07\\x1b[31mred\n");
  EXPECT_TRUE(RunTool(folder, "play " + file + " 1").out.starts_with("stage 1: \\x1b]0;owned\\x07\\x1b[31mred\n"));
  EXPECT_NE(RunTool(folder, "check --json " + file).out.find(
                ",\"name\":\"\\u001b]0;owned\\u0007\\u001b[31mred\","),
            std::string::npos);
}

TEST(KeysCommandTest, EachStagesPuzzleKeyAndNameTheBuiltInOnesWithoutAFile) {
  TempFolder folder;
  const std::vector<StageLine> builtin = BuiltinStages();
  const ToolRun run = RunTool(folder, "keys");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), *PuzzleKey(builtin[0]) + "\t練習ステージ");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 5);

  StageLine noStart = builtin[1];
  noStart[noStart.find('C')] = '0';
  WriteBytes(folder / "stages.ssp", test::StageFileText({MarkedCleared(builtin[4]), noStart}));
  EXPECT_EQ(RunTool(folder, "keys '" + folder / "stages.ssp" + "'").out,
            *PuzzleKey(builtin[4]) + "\t「惑う」かな？\n-\t矢印地獄\n");
}

TEST(StageToolProgramTest, AnOperationAfterTheClearExitsWithOneInEveryCommand) {
  TempFolder folder;
  WriteBytes(folder / "one.ssp", BuiltinStages()[0] + "\r\n");
  const std::string stage = "'" + folder / "one.ssp" + "' 1 +E N E S W N W N";
  for (const std::string& command : {std::string("play "), std::string("solve "), "render -o '" + folder / "out.png" + "' "}) {
    const ToolRun run = RunTool(folder, command + stage);
    EXPECT_EQ(run.status, 1) << command;
    // (render's Qt may note its runtime folder first)
    EXPECT_TRUE(run.err.ends_with("suispo-stage: the stage is cleared; 'N' comes after the end\n")) << run.err;
  }
}

}  // namespace
}  // namespace suispo
