// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage tool's replay: tokens, the operations they press, and the state reported after each.
#include <gtest/gtest.h>

#include "core/rules/builtin_stages.h"
#include "tools/replay.h"

namespace suispo::tool {
namespace {

using Ops = std::vector<std::string>;

TEST(ParseOps, TokensMayShareAnArgumentAndAreCaseSensitive) {
  EXPECT_EQ(ParseOps({"+E N", "E,S", " W ,, U", "R"}), (Ops{"+E", "N", "E", "S", "W", "U", "R"}));
  EXPECT_EQ(ParseOps({}), Ops{});
  EXPECT_THROW(ParseOps({"N", "e"}), std::invalid_argument);
  EXPECT_THROW(ParseOps({"+"}), std::invalid_argument);
  EXPECT_THROW(ParseOps({"NE"}), std::invalid_argument);
}

TEST(StageIndexOf, AcceptsOnlyTheNumbersOfTheFile) {
  EXPECT_EQ(StageIndexOf("1", 5), 0);
  EXPECT_EQ(StageIndexOf("5", 5), 4);
  for (const char* bad : {"0", "6", "-1", "x", "2x", ""}) EXPECT_THROW(StageIndexOf(bad, 5), std::invalid_argument) << bad;
}

struct Replay {
  rules::StagePlay game;
  explicit Replay(int stage) : game(BuiltinStages()[static_cast<std::size_t>(stage)]) { game.StartStage(); }
};

TEST(RunOp, EachTokenPressesItsButtonAndNamesWhatHappened) {
  Replay r(0);
  EXPECT_EQ(RunOp(r.game, "U"), "none");  // an empty history changes nothing
  EXPECT_EQ(RunOp(r.game, "+W"), "wall");
  EXPECT_EQ(RunOp(r.game, "+W"), "none");
  EXPECT_EQ(RunOp(r.game, "U"), "undo");
  EXPECT_EQ(RunOp(r.game, "E"), "none");
  EXPECT_EQ(RunOp(r.game, "R"), "none");
  EXPECT_EQ(r.game.playerX, 2);
  EXPECT_EQ(RunOp(r.game, "W"), "missed");
  Replay third(2);  // over the green pad onto the key in the corner, and back to the other corner
  EXPECT_EQ(RunOp(third.game, "W"), "key");
  EXPECT_EQ(RunOp(third.game, "E"), "key");
  EXPECT_EQ(third.game.keysLeft, 2);
}

TEST(StateJson, HoldsTheFieldsInTheirOrder) {
  Replay r(0);
  RunOp(r.game, "+E");
  EXPECT_EQ(StateJson(r.game, r.game.undo, "+E", "wall"),
            "{\"op\":\"+E\",\"board\":\"200000000000000000000000000000300100000000220000010000010000000000001000\","
            "\"x\":2,\"y\":5,\"facing\":1,\"mp\":0,\"keys\":1,\"undo\":1,\"event\":\"wall\"}");
}

}  // namespace
}  // namespace suispo::tool
