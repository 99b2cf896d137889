// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage tool's printed output, run as a program on random stage files, against the model line by line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/text/display_text.h"
#include "tests/model/random_stage.h"
#include "tests/model/rule_model.h"
#include "tests/support/stage_file_text.h"

namespace suispo::model {
namespace {

struct ToolRun {
  std::vector<std::string> out;  // stdout, one entry per line
  std::string err;
  int status = -1;
};

ToolRun RunTool(const std::string& file, int stage, const std::vector<std::string>& tokens) {
  const std::string errFile = file + ".err";
  std::string command = std::string(SUISPO_STAGE_TOOL) + " play --json '" + file + "' " + std::to_string(stage + 1);
  for (const std::string& token : tokens) command += " " + token;
  command += " 2>'" + errFile + "'";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) run.out.push_back(line);
  std::ifstream err(errFile);
  std::getline(err, run.err);
  return run;
}

// What the tool should print for one run, by the model: its lines, its exit status, its error text.
ToolRun Expected(const std::vector<std::string>& lines, int stage, const std::vector<std::string>& tokens) {
  RuleModel model(lines);  // a new process: the character starts at (0,0)
  ToolRun want;
  want.status = 0;
  try {
    model.Start(stage);
  } catch (const WallPointsError& error) {
    want.status = 2;
    // The tool says it in English, as all its messages: "'<field>' is no integer".
    const std::string japanese = " は整数ではありません";
    want.err = error.message.substr(0, error.message.size() - japanese.size()) + " is no integer";
    return want;
  }
  want.out.push_back(model.Json("start", "none"));
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::string event = model.Apply(tokens[i]);
    want.out.push_back(model.Json(tokens[i], event));
    if (event == "cleared") {
      if (i + 1 < tokens.size()) want.status = 1;  // an operation after the clear is refused
      break;
    }
  }
  return want;
}

TEST(ToolOutput, PlayJsonMatchesTheModelOnRandomStageFiles) {
  RandomStages random(7031);
  // One file per process: other build trees may run this test at the same time.
  const std::string file = ::testing::TempDir() + "model_random_" + std::to_string(getpid()) + ".ssp";
  int compared = 0;
  for (int session = 0; session < 50; ++session) {
    std::vector<std::string> lines;
    for (int n = 1 + random.Below(3); n > 0; --n) lines.push_back(random.Line());
    {
      std::ofstream out(file, std::ios::binary);
      out << test::StageFileText(lines);
    }
    for (int round = 0; round < 3; ++round) {
      const int stage = random.Below(static_cast<int>(lines.size()));
      const std::vector<std::string> tokens = random.Tokens();
      const ToolRun want = Expected(lines, stage, tokens);
      const ToolRun got = RunTool(file, stage, tokens);
      ASSERT_EQ(got.status, want.status) << lines[stage] << " stage " << stage + 1 << " " << got.err;
      EXPECT_EQ(got.out, want.out) << lines[stage];
      if (want.status == 2) {
        EXPECT_TRUE(got.err.ends_with(want.err)) << got.err;
      }
      ++compared;
    }
  }
  std::remove(file.c_str());
  std::remove((file + ".err").c_str());
  EXPECT_EQ(compared, 150);
}

}  // namespace
}  // namespace suispo::model
