// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage code and decode run as a program: a shipped stage through both, and corrupted codes
// refused with exit status 2 and nothing written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/files/share_code.h"
#include "core/files/share_code_digits.h"
#include "core/files/stage_file.h"
#include "core/rules/builtin_stages.h"
#include "tests/app/store/temp_folder.h"
#include "tests/support/stage_file_text.h"

extern char** environ;

namespace suispo {
namespace {

using test::ReadBytes;
using test::TempFolder;

// Starts the tool with its output to out (when given) or nowhere; no shell between, so a thousand
// runs take a few seconds. Returns its process, -1 when it did not start.
pid_t StartTool(std::vector<std::string> args, const std::string& out = "/dev/null") {
  args.insert(args.begin(), SUISPO_STAGE_TOOL);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&files);
  return pid;
}

// The exit status of a tool started, -1 when it did not end by itself.
int StatusOf(pid_t pid) {
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunTool(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
  return StatusOf(StartTool(args, out));
}

// n corruptions of the codes, by turns: a character mistyped, the code cut, a character doubled, the
// code or its end pasted twice.
std::vector<std::string> Corrupted(const std::vector<std::string>& codes, int n) {
  std::mt19937 random(35);
  auto below = [&random](std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random); };
  std::vector<std::string> corrupted;
  for (int i = 0; i < n; ++i) {
    std::string code = codes[below(codes.size())];
    const std::size_t at = below(code.size());
    switch (i % 4) {
      case 0: code[at] = share_code::kAlphabet[(share_code::DigitOf(code[at]) + 1 + below(61)) % 62]; break;
      case 1: code.resize(at); break;
      case 2: code.insert(at, 1, code[at]); break;
      default: code += code.substr(below(2) == 0 ? 0 : at); break;
    }
    corrupted.push_back(code);
  }
  return corrupted;
}

TEST(ShareCodeProgram, CodeThenDecodeGivesTheStageUnclearedAndMinusOAddsItToTheFile) {
  TempFolder folder;
  std::vector<StageLine> lines = BuiltinStages();
  lines[2] = MarkedCleared(lines[2]);
  test::WriteBytes(folder / "stages.ssp", test::StageFileText(lines));
  ASSERT_EQ(RunTool({"code", folder / "stages.ssp", "3"}, folder / "code"), 0);
  const std::string code = ReadBytes(folder / "code");
  EXPECT_EQ(code, ShareCode(lines[2]) + "\n");
  ASSERT_EQ(RunTool({"code", "3"}, folder / "builtin"), 0);  // without a file: the built-in stage
  EXPECT_EQ(ReadBytes(folder / "builtin"), ShareCode(BuiltinStages()[2]) + "\n");
  ASSERT_EQ(RunTool({"decode", code.substr(0, code.size() - 1)}, folder / "line"), 0);
  EXPECT_EQ(ReadBytes(folder / "line"), BuiltinStages()[2] + "\n");
  ASSERT_EQ(RunTool({"decode", code, "-o", folder / "stages.ssp"}), 0);
  lines.push_back(BuiltinStages()[2]);
  EXPECT_EQ(ReadBytes(folder / "stages.ssp"), test::StageFileText(lines));
}

TEST(ShareCodeProgram, AThousandCorruptedCodesAreEachRefusedWithStatusTwoAndNothingWritten) {
  TempFolder folder;
  std::vector<std::string> codes;
  for (const StageLine& line : BuiltinStages()) {
    codes.push_back(ShareCode(line));
    codes.push_back(ShareCode(line.substr(0, kClearedFlagPosition)));
  }
  const std::vector<std::string> corrupted = Corrupted(codes, 1000);
  // Eight at a time, each asked to write a file of its own.
  constexpr std::size_t kAtOnce = 8;
  for (std::size_t from = 0; from < corrupted.size(); from += kAtOnce) {
    std::vector<pid_t> runs;
    for (std::size_t i = from; i < std::min(from + kAtOnce, corrupted.size()); ++i) {
      runs.push_back(StartTool({"decode", corrupted[i], "-o", folder / ("out" + std::to_string(i) + ".ssp")}));
    }
    for (std::size_t k = 0; k < runs.size(); ++k) EXPECT_EQ(StatusOf(runs[k]), 2) << corrupted[from + k];
  }
  EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace suispo
