// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the layered update leaves on the board while a stage is played: taken keys and placed walls.
#include "tests/view/view_fixture.h"

namespace suispo::test {
namespace {

TEST_F(ViewTest, TakenKeyStaysGoneWhenASlideCrossesItsCell) {
  // The key at the top of the start column; the character takes it, goes round and slides over it.
  Start(StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   K   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .  [.]  .   .   . |
    +---+---+---+---+---+---+)", "01", "T"));
  ASSERT_EQ(game.Slide(0, -1, kNorth), Landing::kKey);
  EXPECT_TRUE(SameRegion(view.backgroundBoard(), CellRect(2, 0), atlas, atlas::kPlainIce));
  game.Slide(0, 1, kSouth);
  game.Slide(-1, 0, kWest);
  game.Slide(0, -1, kNorth);
  recorder.frames.clear();
  game.Slide(1, 0, kEast);  // (0,0) to (5,0), over the key's cell
  ASSERT_EQ(game.playerX, 5);

  ASSERT_EQ(recorder.frames.size(), 20u);
  for (std::size_t i = 0; i < recorder.frames.size(); ++i) {
    // Once the figure has left the cell (from the 12th sub-step on), the cell is plain ice on screen.
    if (i < 11) continue;
    EXPECT_TRUE(SameRegion(recorder.frames[i], OnSurface(CellRect(2, 0)), atlas, atlas::kPlainIce)) << i;
  }
}

TEST_F(ViewTest, PlacedWallSurvivesSlidesAndIsInBothLayersAfterUndo) {
  // The solid wall east of (3,5) stops slides beside the placed wall.
  Start(StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .  [.]  . | .   . |
    +---+---+---+---+---+---+)", "01", "T"));
  const QRect strip(96, 240, 56, 8);  // the north edge of the start cell (2,5)
  const QImage builtBackground = view.backgroundBoard();
  ASSERT_TRUE(game.PlaceWall(kNorth));
  EXPECT_TRUE(SameRegion(view.workingBoard(), strip, atlas, atlas::kSolidHorizontal));

  // Up and down the column beside it, then under it along the whole row.
  game.Slide(1, 0, kEast);
  game.Slide(0, -1, kNorth);
  game.Slide(0, 1, kSouth);
  game.Slide(-1, 0, kWest);
  ASSERT_EQ(game.playerX, 0);
  ASSERT_EQ(game.playerY, 5);
  EXPECT_TRUE(SameRegion(view.workingBoard(), strip, atlas, atlas::kSolidHorizontal));
  EXPECT_TRUE(SameRegion(view.surface(), OnSurface(strip), atlas, atlas::kSolidHorizontal));
  EXPECT_EQ(view.backgroundBoard(), builtBackground) << "a wall placed in play goes to the working board only";

  ASSERT_TRUE(game.Undo());  // back to before the last slide: the wall is in the snapshot
  EXPECT_TRUE(SameRegion(view.workingBoard(), strip, atlas, atlas::kSolidHorizontal));
  EXPECT_TRUE(SameRegion(view.backgroundBoard(), strip, atlas, atlas::kSolidHorizontal));

  game.StartStage();  // a restart builds the stage from its line again
  EXPECT_EQ(view.backgroundBoard(), builtBackground);
}

}  // namespace
}  // namespace suispo::test
