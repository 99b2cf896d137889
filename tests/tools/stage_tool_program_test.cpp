// suispo-stage run as a program: names shown in UTF-8 and escaped, errors reported with its name and
// the exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "core/builtin_stages.h"
#include "tests/app/store/temp_folder.h"

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
  const std::string command = std::string("'") + SUISPO_STAGE_TOOL + "' " + arguments + " >'" +
                              folder / "out" + "' 2>'" + folder / "err" + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(folder / "out"), ReadBytes(folder / "err")};
}

TEST(ListCommandTest, BuiltinNamesInShiftJisComeOutAsUtf8) {
  TempFolder folder;
  std::vector<StageLine> lines = BuiltinStages();
  lines[1][74] = '1';
  std::string text;
  for (const StageLine& line : lines) text += line + "\r\n";
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
  EXPECT_EQ(run.err, "suispo-stage: ファイル " + folder / "none.ssp" + " は開けません\n");

  WriteBytes(folder / "nul.ssp", std::string("a\0b", 3));
  EXPECT_EQ(RunTool(folder, "list '" + folder / "nul.ssp" + "'").status, 2);
  for (const char* wrong : {"list", "play", "render x 1", "solve", "check", "generate", "", "lsit x"}) {
    run = RunTool(folder, wrong);
    EXPECT_EQ(run.status, 2) << wrong;
    EXPECT_TRUE(run.err.starts_with("suispo-stage: ")) << run.err;
  }
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
