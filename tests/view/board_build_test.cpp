// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board build and the masked character on the two board layers.
#include "tests/view/view_fixture.h"

namespace suispo::test {
namespace {

// Kinds 1..11 along rows 0 and 1, the character on row 0; a solid east and south wall on (2,3),
// a marked east and south edge on (4,4).
StageLine BuildLine() {
  return StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  K   D   O   ^   > |
    +   +   +   +   +   +   +
    | v   <   r   b   g   o |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   . | .   .   . |
    +   +   +---+   +   +   +
    | .   .   .   .   . : . |
    +   +   +   +   +...+   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)", "01", "T");
}

TEST_F(ViewTest, BuiltBoardHasFloorTilesWallsAndBorderInBothLayers) {
  game.LoadBoard(BuildLine());
  const QImage& board = view.workingBoard();

  EXPECT_EQ(board, view.backgroundBoard());
  EXPECT_TRUE(BoxOfColour(board, qRgb(0, 0, 0), board.rect()).isEmpty()) << "a pixel was left undrawn";

  // Content tiles where the kinds are, plain ice on the start cell and the empty cells.
  for (int kind = 1; kind <= 11; ++kind)
    EXPECT_TRUE(SameRegion(board, CellRect(kind % 6, kind / 6), atlas, atlas::ContentTile(kind))) << kind;
  EXPECT_TRUE(SameRegion(board, CellRect(0, 0), atlas, atlas::kPlainIce));
  EXPECT_TRUE(SameRegion(board, CellRect(5, 5), atlas, atlas::kPlainIce));
  // Between two plain cells the floor tiles' bevels meet: 4 pixels of each.
  EXPECT_TRUE(SameRegion(board, QRect(48, 104, 4, 40), atlas, QPoint(44, 52)));
  EXPECT_TRUE(SameRegion(board, QRect(52, 104, 4, 40), atlas, QPoint(0, 52)));

  // The walls of (2,3): the east strip up to the corner the south strip covers after it.
  EXPECT_TRUE(SameRegion(board, QRect(144, 144, 8, 48), atlas, QPoint(328, 199)));
  EXPECT_TRUE(SameRegion(board, QRect(96, 192, 56, 8), atlas, atlas::kSolidHorizontal));
  // The marked edges of (4,4), drawn in the same order.
  EXPECT_TRUE(SameRegion(board, QRect(240, 192, 8, 48), atlas, QPoint(376, 199)));
  EXPECT_TRUE(SameRegion(board, QRect(192, 240, 56, 8), atlas, atlas::kMarkedHorizontal));
  // An edge without a wall keeps its floor: the east band of (1,3).
  EXPECT_TRUE(SameRegion(board, QRect(96, 152, 4, 40), atlas, QPoint(44, 52)));

  // The solid border on all four sides, between its posts.
  for (int i = 0; i < 6; ++i) {
    const int d = i * 48 + 8;
    EXPECT_TRUE(SameRegion(board, QRect(d, 0, 40, 8), atlas, QPoint(336, 199))) << "top " << i;
    EXPECT_TRUE(SameRegion(board, QRect(d, 288, 40, 8), atlas, QPoint(336, 199))) << "bottom " << i;
    EXPECT_TRUE(SameRegion(board, QRect(0, d, 8, 40), atlas, QPoint(328, 207))) << "left " << i;
    EXPECT_TRUE(SameRegion(board, QRect(288, d, 8, 40), atlas, QPoint(328, 207))) << "right " << i;
  }
}

TEST_F(ViewTest, CharacterIsMaskedOntoTheCellAndDrawingItTwiceChangesNothing) {
  game.LoadBoard(BuildLine());
  const QRect cell = CellRect(1, 0);  // over the key
  view.DrawCharacter(1, 0, kEast);
  const QImage once = view.workingBoard();
  view.DrawCharacter(1, 0, kEast);
  EXPECT_EQ(view.workingBoard(), once);

  for (int v = 0; v < 40; ++v) {
    for (int u = 0; u < 40; ++u) {
      const QRgb want = kFigureBox.contains(u, v) ? FigurePixel(kEast, u, v)
                                                   : view.backgroundBoard().pixel(cell.left() + u, cell.top() + v);
      ASSERT_EQ(once.pixel(cell.left() + u, cell.top() + v), want) << u << "," << v;
    }
  }
  // Only that square changed: restoring it gives the background back.
  view.RestoreCell(1, 0);
  EXPECT_EQ(view.workingBoard(), view.backgroundBoard());
}

TEST_F(ViewTest, RestoreBetweenTwoCellsBringsBackTheBandAndNothingElse) {
  game.LoadBoard(BuildLine());
  const int between = CellOrigin(2) + 24;  // straddles the band between columns 2 and 3
  view.DrawCharacterAt(between, CellOrigin(3), kWest);
  view.DrawCharacter(0, 5, kWest);
  const QImage withTwo = view.workingBoard();

  view.RestoreSquare(between, CellOrigin(3));
  const QImage& board = view.workingBoard();
  EXPECT_TRUE(SameRegion(board, QRect(between, CellOrigin(3), 40, 40), view.backgroundBoard(),
                         QPoint(between, CellOrigin(3))));
  EXPECT_TRUE(SameRegion(board, CellRect(0, 5), withTwo, QPoint(CellOrigin(0), CellOrigin(5))))
      << "the other character was restored too";
}

TEST_F(ViewTest, StartedStageShowsTheBoardWithTheCharacterFacingNorth) {
  stages = {kOpenBoard};
  game.facing = kWest;
  game.StartStage();

  const QImage& surface = view.surface();
  EXPECT_TRUE(SameRegion(surface, QRect(16, 45, 296, 296), view.workingBoard(), QPoint(0, 0)));
  const QRect onSurface = OnSurface(CellRect(2, 5));
  EXPECT_EQ(surface.pixel(onSurface.topLeft() + kFigureBox.topLeft()), FigurePixel(kNorth, 10, 3));
  // The banner slot holds the plate (under the name); outside both slots the background is untouched.
  EXPECT_TRUE(SameRegion(surface, QRect(16, 14, 297, 3), atlas, QPoint(0, 192)));
  EXPECT_EQ(surface.pixel(400, 200), TestBackground().pixel(400, 200));
}

}  // namespace
}  // namespace suispo::test
