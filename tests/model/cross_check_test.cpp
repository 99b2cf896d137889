// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Thousands of random stages and token sequences, played on the model and on the game in lock step.
#include <gtest/gtest.h>

#include <map>

#include "tests/model/json_fields.h"
#include "tests/model/play_both.h"
#include "tests/model/random_stage.h"

namespace suispo::model {
namespace {

// A stage line with its bytes outside printable ASCII escaped, so a failing case can be copied exactly.
std::string Printable(const std::string& line) {
  static const char kHex[] = "0123456789abcdef";
  std::string text;
  for (unsigned char c : line) {
    if (c >= 0x20 && c < 0x7f && c != '\\') text += static_cast<char>(c);
    else text += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
  }
  return text;
}

TEST(CrossCheck, RandomStagesAgreeAfterEveryOperation) {
  RandomStages random(20240611);
  std::map<std::string, int> seen;  // events, failed starts, emptied histories
  int disagreements = 0;
  int loopStops = 0, lonePads = 0;

  for (int session = 0; session < 4000; ++session) {
    std::vector<std::string> lines;
    for (int n = 1 + random.Below(3); n > 0; --n) lines.push_back(random.Line());
    GameRun game(lines);
    RuleModel model(lines);
    // Several stages in one session, as a player picks them, so a line without "C" inherits a position.
    for (int round = 0; round < 3; ++round) {
      const int stage = random.Below(static_cast<int>(lines.size()));
      const std::vector<std::string> tokens = random.Tokens();
      const PlayResult result = PlayBoth(game, model, stage, tokens);
      if (!result.disagreement.empty()) {
        if (++disagreements <= 5) {
          ADD_FAILURE() << "line \"" << Printable(lines[stage]) << "\"\n" << result.disagreement;
        }
        break;  // the two have parted; what follows would only repeat the difference
      }
      for (std::size_t i = 0; i < result.lines.size(); ++i) {
        const std::string& json = result.lines[i];
        if (json.starts_with("error:")) ++seen["failed start"];
        else ++seen[Field(json, "event")];
        if (i > 0 && tokens[i - 1] == "U" && Field(json, "event") == "none") ++seen["undo with none left"];
        if (Field(json, "undo") == "5") ++seen["five held"];
      }
    }
    loopStops += model.tally.loopStops;
    lonePads += model.tally.lonePads;
  }

  EXPECT_EQ(disagreements, 0);
  // The run must reach every rule, or agreement would prove little.
  for (const char* event : {"key", "cleared", "missed", "warp", "wall", "undo", "failed start",
                            "undo with none left", "five held"}) {
    EXPECT_GE(seen[event], 100) << event;
  }
  EXPECT_GE(loopStops, 100);
  EXPECT_GE(lonePads, 100);
}

}  // namespace
}  // namespace suispo::model
