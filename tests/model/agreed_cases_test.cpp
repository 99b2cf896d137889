// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Hand-made stages whose outcome follows from the rules alone: model and game must both reach it.
#include <gtest/gtest.h>

#include "core/text/game_error.h"
#include "tests/model/json_fields.h"
#include "tests/model/play_both.h"
#include "tests/support/stage_builder.h"

namespace suispo::model {
namespace {

using test::kEmptyBoard;
using test::kNoWalls;

// A whole stage line: the board, the wall-points field, a flag and a name.
std::string Stage(const test::Rows& cells, const test::Rows& walls, const std::string& wallPoints) {
  return test::Stage(cells, walls, wallPoints, "name");
}

// The same from a board picture.
std::string Stage(std::string_view picture, const std::string& wallPoints) {
  return test::StageOf(picture, wallPoints, "name");
}

std::vector<std::string> Split(const std::string& tokens) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (from < tokens.size()) {
    const std::size_t to = std::min(tokens.find(' ', from), tokens.size());
    out.push_back(tokens.substr(from, to - from));
    from = to + 1;
  }
  return out;
}

// A game and the model side by side over a list of stages; Play() asserts that they agree.
class AgreedCase : public ::testing::Test {
 protected:
  void Open(std::vector<std::string> lines) {
    game_ = std::make_unique<GameRun>(lines);
    model_ = std::make_unique<RuleModel>(lines);
  }
  std::vector<std::string> Play(int stage, const std::string& tokens) {
    const PlayResult result = PlayBoth(*game_, *model_, stage, Split(tokens));
    EXPECT_EQ(result.disagreement, "");
    return result.lines;
  }
  static std::string At(const std::string& json) {
    return Field(json, "x") + "," + Field(json, "y") + " " + Field(json, "event");
  }

  std::unique_ptr<GameRun> game_;
  std::unique_ptr<RuleModel> model_;
};

TEST_F(AgreedCase, FirstPracticeStageIsClearedByItsKnownSequence) {
  Open({"20000000000000000000000000000030C100000000220000010000010000000000000000010x"});
  const auto steps = Play(0, "+E N E S W N W");
  ASSERT_EQ(steps.size(), 8u);
  EXPECT_EQ(At(steps[0]), "2,5 none");
  EXPECT_EQ(At(steps[1]), "2,5 wall");
  EXPECT_EQ(IntField(steps[1], "mp"), 0);
  EXPECT_EQ(At(steps[2]), "2,0 none");
  EXPECT_EQ(At(steps[3]), "5,0 none");
  EXPECT_EQ(At(steps[4]), "5,5 none");
  EXPECT_EQ(At(steps[5]), "3,5 key");
  EXPECT_EQ(IntField(steps[5], "keys"), 0);
  EXPECT_EQ(At(steps[6]), "3,0 none");
  EXPECT_EQ(At(steps[7]), "0,0 cleared");
}

TEST_F(AgreedCase, ArrowsThatGoRoundForEverStopTheSlideWhereItRepeats) {
  // A ring of arrows through (0,0) (1,0) (2,0) (2,1) (1,1) (0,1), with a key on the one plain cell of the top row.
  const std::string ring = Stage({"516000", "407000", "000000", "000000", "000000", "000000"}, kNoWalls, "00");
  // Two arrows facing each other in row 2.
  const std::string pingPong = Stage(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    |[.]  .   >   <   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)", "00");
  Open({ring, pingPong});

  // No "C": the character begins on the arrow at (0,0); the arrow under it does nothing. East goes once round
  // and back onto the key going east, a pair already met: it stops there, and the key is not taken.
  auto steps = Play(0, "E N U U S");
  EXPECT_EQ(At(steps[1]), "1,0 none");
  EXPECT_EQ(IntField(steps[1], "facing"), 1);
  EXPECT_EQ(IntField(steps[1], "keys"), 1);
  // Pressed into the border from there, the key under the character is taken.
  EXPECT_EQ(At(steps[2]), "1,0 key");
  EXPECT_EQ(At(steps[4]), "0,0 undo");
  // Entering from below: the slide meets the north arrow at (0,1) a second time and stops on it, facing north.
  EXPECT_EQ(At(steps[5]), "0,1 none");
  EXPECT_EQ(IntField(steps[5], "facing"), 0);

  steps = Play(1, "E");
  EXPECT_EQ(At(steps[1]), "2,2 none");
  EXPECT_EQ(IntField(steps[1], "facing"), 1);
}

TEST_F(AgreedCase, WarpGoesToTheLastOtherPadAndALonePadGoesNowhere) {
  // Red pads at (2,0), (4,2) and (0,5); a lone blue pad at (5,5). A wall east of (2,0) stops a slide on it.
  Open({Stage(R"(
    +---+---+---+---+---+---+
    |[.]  .   r | .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   r   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | r   .   .   .   .   b |
    +---+---+---+---+---+---+)", "00")});
  const auto steps = Play(0, "E W E S U U U");
  EXPECT_EQ(At(steps[1]), "0,5 warp");  // the last red pad in reading order
  EXPECT_EQ(At(steps[2]), "4,2 warp");  // blocked at once: the pad underfoot warps again
  EXPECT_EQ(At(steps[3]), "5,2 none");
  EXPECT_EQ(At(steps[4]), "5,5 none");  // no partner: no warp
  EXPECT_EQ(At(steps[5]), "5,2 undo");
  EXPECT_EQ(At(steps[6]), "4,2 undo");
  EXPECT_EQ(At(steps[7]), "0,5 undo");  // an undone warp puts the character where that slide began
}

TEST_F(AgreedCase, AStageWithoutStartKeepsThePreviousPosition) {
  const std::string placed = Stage({"000000", "000000", "000000", "000000", "000C00", "000000"}, kNoWalls, "00");
  const std::string unplaced = Stage({"000300", "000000", "000000", "000000", "000000", "000000"}, kNoWalls, "00");
  const std::string twice = Stage({"0C0000", "000000", "000000", "000000", "00000C", "000000"}, kNoWalls, "00");
  Open({placed, unplaced, twice});
  EXPECT_EQ(At(Play(1, "").at(0)), "0,0 none");  // the first start ever
  EXPECT_EQ(At(Play(0, "").at(0)), "3,4 none");
  // The hole at (3,0): a miss or a restart goes back to where this play began, never onto the hole.
  const auto steps = Play(1, "N E R");
  EXPECT_EQ(At(steps[0]), "3,4 none");
  EXPECT_EQ(At(steps[1]), "3,4 missed");
  EXPECT_EQ(At(steps[2]), "5,4 none");
  EXPECT_EQ(At(steps[3]), "3,4 none");
  // Chosen again, it begins where the last play left the character, and misses bring it back there.
  EXPECT_EQ(At(Play(1, "E").at(1)), "5,4 none");
  const auto next = Play(1, "N W");
  EXPECT_EQ(At(next[0]), "5,4 none");
  EXPECT_EQ(At(next[1]), "5,0 none");
  EXPECT_EQ(At(next[2]), "5,4 missed");
  EXPECT_EQ(At(Play(2, "").at(0)), "5,4 none");  // several: the last in reading order
}

TEST_F(AgreedCase, WallPointsFieldMustBeAnInteger) {
  // The board text alone: the line up to its wall-points field.
  const std::string board = Stage(kEmptyBoard, "").substr(0, 72);
  Open({board + " 3", board + "+2", board + "-1", board + "x1", board + "1 ", board, board + "7"});
  EXPECT_EQ(IntField(Play(0, "").at(0), "mp"), 3);
  EXPECT_EQ(IntField(Play(1, "").at(0), "mp"), 2);
  // Below zero counts as none left: the wall button only turns the character.
  const auto negative = Play(2, "+E");
  EXPECT_EQ(IntField(negative[1], "mp"), -1);
  EXPECT_EQ(Field(negative[1], "event"), "none");
  EXPECT_EQ(Play(3, "").at(0), "error: 'x1' は整数ではありません");
  EXPECT_EQ(Play(4, "").at(0), "error: '1 ' は整数ではありません");
  EXPECT_EQ(Play(5, "").at(0), "error: '' は整数ではありません");  // no field at all
  EXPECT_EQ(IntField(Play(6, "").at(0), "mp"), 7);              // one digit, the line ends there
}

TEST_F(AgreedCase, UndoKeepsFiveStepsAndIgnoresPressesPastThem) {
  Open({Stage(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .  [.]  .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)", "09")});
  const auto steps = Play(0, "+N +E +S +W E +E U U U U U U U");
  EXPECT_EQ(Field(steps[5], "event"), "none");  // walled in: the move goes nowhere
  EXPECT_EQ(Field(steps[6], "event"), "none");  // the edge already holds a wall
  EXPECT_EQ(IntField(steps[6], "undo"), 5);
  for (int i = 7; i <= 11; ++i) EXPECT_EQ(Field(steps[i], "event"), "undo") << i;
  EXPECT_EQ(Field(steps[12], "event"), "none");
  EXPECT_EQ(Field(steps[13], "event"), "none");
  // Back to just after the first wall: one wall, north of (2,2), and one wall point spent.
  EXPECT_EQ(IntField(steps[13], "mp"), 8);
  EXPECT_EQ(IntField(steps[13], "undo"), 0);
  EXPECT_EQ(Field(steps[13], "board").substr(36), "000000" "002000" "000000" "000000" "000000" "000000");
}

TEST_F(AgreedCase, MarkedEdgesLetSlidesPassButRefuseWalls) {
  // The fourth built-in stage: a marked edge east of the start.
  Open({"20000000000000000000000000000030C100000000220000010000010000000000004000020x"});
  const auto steps = Play(0, "+E E U");
  EXPECT_EQ(Field(steps[1], "event"), "none");
  EXPECT_EQ(IntField(steps[1], "mp"), 2);
  EXPECT_EQ(At(steps[2]), "5,5 none");  // passed the marked edge and slid over the key
  EXPECT_EQ(IntField(steps[2], "keys"), 1);
  EXPECT_EQ(Field(steps[3], "board"), Field(steps[0], "board"));
}

TEST_F(AgreedCase, UndoingTheLastKeyShutsTheDoorAgain) {
  Open({Stage(R"(
    +---+---+---+---+---+---+
    | D  [.]  .   .   .   K |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)", "00")});
  const auto steps = Play(0, "E U W E W");
  EXPECT_EQ(At(steps[1]), "5,0 key");
  EXPECT_EQ(At(steps[2]), "1,0 undo");
  EXPECT_EQ(IntField(steps[2], "keys"), 1);
  EXPECT_EQ(At(steps[3]), "0,0 none");  // the door with a key left
  EXPECT_EQ(At(steps[4]), "5,0 key");   // slid over the door on the way
  EXPECT_EQ(At(steps[5]), "0,0 cleared");
}

}  // namespace
}  // namespace suispo::model
