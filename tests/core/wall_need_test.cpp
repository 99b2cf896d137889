// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The walls a layout still needs: a key no slide rests on needs a wall beside it, one wall may serve two
// keys, a key the endless-loop bound leaves the character on needs none; and with one point left, the
// character must get to a cell beside an edge that wall may take.
#include <gtest/gtest.h>

#include "core/solver/moves.h"
#include "core/solver/wall_need.h"
#include "core/solver/wall_reach.h"
#include "core/rules/stage_play.h"
#include "tests/support/stage_builder.h"

namespace suispo::test {
namespace {

struct Needs {
  PlayState start;
  std::vector<int> keys;
  explicit Needs(std::string_view picture) {
    rules::StartStage(StageOf(picture, "01"), start);
    for (int i = 0; i < kCellCount; ++i) {
      if (start.board.cells[static_cast<std::size_t>(i)] == kKey) keys.push_back(i);
    }
  }
  int Least(std::uint64_t walls) const { return WallNeed(start, keys).Least(walls, (std::uint64_t{1} << keys.size()) - 1); }
};

std::uint64_t WallEast(int x, int y) { return std::uint64_t{1} << EdgeBit({{x, y}, false}); }

TEST(WallNeed, KeysInOpenFloorNeedAWallBesideThemAndOneWallMayServeTwo) {
  // Every slide passes the keys; the door rests against the corner. The edge between (2,2) and (3,2)
  // stops a slide on either.
  const Needs open(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   K   K   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   K   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   D |
    +---+---+---+---+---+---+)");
  EXPECT_EQ(open.Least(0), 2);
  EXPECT_EQ(open.Least(WallEast(0, 0)), 2);  // a wall no slide to a key meets
  EXPECT_EQ(open.Least(WallEast(2, 2)), 1);
  EXPECT_EQ(open.Least(WallEast(2, 2) | WallEast(1, 4)), 0);
}

TEST(WallNeed, AKeyTheLoopBoundLeavesTheCharacterOnNeedsNoWall) {
  // Every slide into column 5 runs round between the arrows and is cut on (5,2) or (5,4) without
  // landing; a move against the border then takes the key.
  const Needs loop(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   v |
    +   +   +   +   +   +   +
    | .   .   .   .   . | K |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   ^ |
    +   +   +   +   +   +   +
    | .   .   .   .   .   D |
    +---+---+---+---+---+---+)");
  EXPECT_EQ(loop.Least(0), 0);
}

TEST(WallNeed, WithOnePointLeftTheMovesMustLeadBesideTheKey) {
  // The key at (4,4) needs the last wall; the box at the top left has no cell beside it.
  const Needs boxed(R"(
    +---+---+---+---+---+---+
    |[.]  . | .   .   .   . |
    +   +   +   +   +   +   +
    | .   . | .   .   .   . |
    +---+---+   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   K   . |
    +   +   +   +   +   +---+
    | .   .   .   .   .   D |
    +---+---+---+---+---+---+)");
  SolverMoves moves(boxed.start, boxed.keys);
  WallReach reach(moves);
  const std::uint64_t edges = WallNeed(boxed.start, boxed.keys).OneWallEdges(0, 1);
  EXPECT_FALSE(reach.Reaches(moves, CellIndex(0, 0), 0, 1, edges));
  EXPECT_FALSE(reach.Reaches(moves, CellIndex(1, 1), 0, 1, edges));
  EXPECT_TRUE(reach.Reaches(moves, CellIndex(5, 0), 0, 1, edges));  // south rests on (5,4)
}

}  // namespace
}  // namespace suispo::test
