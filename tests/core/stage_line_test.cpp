// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage lines: codes, wall points, cleared flag, name, and board texts that read back the same.
#include <gtest/gtest.h>

#include <cctype>

#include "core/rules/builtin_stages.h"
#include "core/text/game_error.h"
#include "core/rules/stage_line.h"
#include "core/rules/stage_play.h"
#include "tests/support/worded_error.h"

namespace suispo {
namespace {

TEST(StageLine, CellCodesAreCaseSensitiveAndUnknownCodesAreFloor) {
  EXPECT_EQ(CellKindOfCode('1'), kKey);
  EXPECT_EQ(CellKindOfCode('9'), kWarpBlue);
  EXPECT_EQ(CellKindOfCode('A'), kWarpGreen);
  EXPECT_EQ(CellKindOfCode('B'), kWarpOrange);
  for (char c : {'a', 'b', 'c', 'C', 'D', ' ', '\0', '0'}) EXPECT_EQ(CellKindOfCode(c), kFloor) << c;
}

TEST(StageLine, EveryWallPairWritesTheCodeThatReadsItBack) {
  for (int east = 0; east < 3; ++east) {
    for (int south = 0; south < 3; ++south) {
      int e = -1, s = -1;
      WallsOfCode(CodeOfWalls(east, south), e, s);
      EXPECT_EQ(e, east);
      EXPECT_EQ(s, south);
    }
  }
  EXPECT_EQ(CodeOfWalls(1, 2), '7');  // solid east, marked south
  int e = -1, s = -1;
  WallsOfCode('9', e, s);
  EXPECT_EQ(e + s, 0);
}

TEST(StageLine, WallPointsAreTheIntegerAtPositions73And74) {
  const std::string board(72, '0');
  EXPECT_EQ(WallPoints(board + "010name"), 1);
  EXPECT_EQ(WallPoints(board + "120"), 12);
  EXPECT_EQ(WallPoints(board + " 50"), 5);
  EXPECT_EQ(WallPoints(board + "-10"), -1);
  EXPECT_EQ(WallPoints(board + "+3"), 3);
}

TEST(StageLine, WallPointsThatAreNoIntegerNameTheTwoCharactersRead) {
  const std::string board(72, '0');
  auto message = [](const std::string& line) {
    try {
      WallPoints(line);
    } catch (const GameError& e) {
      return test::Worded(e);
    }
    return std::string("no error");
  };
  EXPECT_EQ(message(board + "  0"), "'  ' は整数ではありません");
  EXPECT_EQ(message(board + "x10"), "'x1' は整数ではありません");
  EXPECT_EQ(message(board + "5 0"), "'5 ' は整数ではありません");
  EXPECT_EQ(message(board + "-"), "'-' は整数ではありません");
  EXPECT_EQ(message(board + "\t1"), "'\t1' は整数ではありません");  // only spaces may lead
  EXPECT_EQ(message(board), "'' は整数ではありません");
  EXPECT_EQ(message(board + "\x82\x50"), "'１' は整数ではありません");  // a full-width digit, shown readable
}

TEST(StageLine, ClearedFlagAndName) {
  const std::string head(74, '0');
  EXPECT_FALSE(IsCleared(head + "0name"));
  EXPECT_TRUE(IsCleared(head + "1name"));
  EXPECT_TRUE(IsCleared(head + "xname"));
  EXPECT_TRUE(IsCleared(head));  // no flag at all
  EXPECT_EQ(StageName(head + "0name"), "name");
  EXPECT_EQ(StageName(head + "0"), "");
  EXPECT_EQ(StageName("short"), "");
}

TEST(StageLine, MarkingClearedChangesOnlyPosition75OrCompletesAShortLine) {
  const std::string head(74, '7');
  EXPECT_EQ(MarkedCleared(head + "0\x82\xa0"), head + "1\x82\xa0");
  EXPECT_EQ(MarkedCleared(head + "1"), head + "1");
  EXPECT_EQ(MarkedCleared(head), head + "1");
  EXPECT_EQ(MarkedCleared(head.substr(0, 72) + "5"), head.substr(0, 72) + "051");
  EXPECT_EQ(MarkedCleared("abc"), "abc" + std::string(69, '0') + "  1");
}

// What a line plays like: the state after the operations (a lower-case letter builds a wall), or
// that it cannot start.
std::string Outcome(const StageLine& line, const std::string& ops) {
  rules::StagePlay play(line);
  try {
    play.StartStage();
  } catch (const GameError&) {
    return "cannot start";
  }
  for (const char op : ops) {
    const auto direction = static_cast<int>(std::string_view("NESW").find(static_cast<char>(std::toupper(op))));
    if (std::islower(op)) {
      play.PlaceWall(direction);
    } else {
      play.Slide(direction);
    }
  }
  const PlayState& s = play;
  return WriteBoardText(s.board) + " at " + std::to_string(s.playerX) + "," + std::to_string(s.playerY) +
         " mp " + std::to_string(s.mp) + " keys " + std::to_string(s.keysLeft);
}

TEST(StageLine, MarkingClearedNeverChangesHowTheStagePlays) {
  const std::string board = BuiltinStages()[0].substr(0, 72);
  for (const StageLine& line : {board + "5", board + "50name", board + "0", board + "x", board, board.substr(0, 40)}) {
    const StageLine cleared = MarkedCleared(line);
    EXPECT_EQ(cleared.at(74), '1') << line;
    EXPECT_EQ(Outcome(cleared, "eNESW"), Outcome(line, "eNESW")) << line;
  }
  EXPECT_EQ(Outcome(MarkedCleared(board + "5"), "eNESW"), Outcome(board + "05", "eNESW"));
  EXPECT_NE(Outcome(board + "5", "eNESW"), "cannot start");
}

TEST(StageLine, BuiltinStagesAreFiveLinesWithTheirNamesInShiftJis) {
  const auto stages = BuiltinStages();
  ASSERT_EQ(stages.size(), 5u);
  EXPECT_EQ(stages[0].substr(0, 75),
            "20000000000000000000000000000030C100000000220000010000010000000000000000010");
  EXPECT_EQ(StageName(stages[4]), "\x81\x75\x98\x66\x82\xa4\x81\x76\x82\xa9\x82\xc8\x81\x48");  // 「惑う」かな？
  // The fourth differs from the first only in its wall points and a marked edge at position 69.
  std::string fourth = stages[3];
  EXPECT_EQ(fourth[68], '4');
  EXPECT_EQ(WallPoints(fourth), 2);
  for (const auto& line : stages) EXPECT_FALSE(IsCleared(line));
}

}  // namespace
}  // namespace suispo
