// The play screen: moves, walls and undo through the buttons, presses during a move, the two questions.
#include <QLabel>

#include "window_fixture.h"

namespace suispo::test {
namespace {

TEST_F(WindowTest, MovesWallsAndUndoThroughTheButtons) {
  Start();
  Choose(0);  // built-in stage 1: start at column 2 row 5 with one wall point
  Game& game = form->game();
  Click(form->WWallButton);
  EXPECT_EQ(game.board.eastWalls[CellIndex(1, 5)], kSolidWall);
  EXPECT_EQ(form->mpText->text(), QStringLiteral("0"));
  EXPECT_TRUE(form->undoButton->isEnabled());

  Click(form->WMoveButton);  // stopped by the wall just built
  EXPECT_EQ(game.playerX, 2);
  Click(form->EMoveButton);  // over the key to the east border, the key stays
  EXPECT_EQ(game.playerX, 5);
  EXPECT_EQ(game.keysLeft, 1);
  EXPECT_GT(clock.frames, 0);

  Click(form->undoButton);
  Click(form->undoButton);
  EXPECT_EQ(game.playerX, 2);
  EXPECT_EQ(form->mpText->text(), QStringLiteral("0"));
  Click(form->undoButton);
  EXPECT_EQ(form->mpText->text(), QStringLiteral("1"));
  EXPECT_EQ(game.board.eastWalls[CellIndex(1, 5)], kNoWall);
  EXPECT_FALSE(form->undoButton->isEnabled());

  Click(form->WMoveButton);  // into the hole: missed, and the stage starts again
  EXPECT_GT(clock.sleptMs, 0);
  EXPECT_EQ(game.playerX, 2);
  EXPECT_EQ(game.playerY, 5);
  EXPECT_FALSE(form->undoButton->isEnabled());
  EXPECT_TRUE(OnPlayScreen());
}

TEST_F(WindowTest, PressesDuringAMoveDoNothing) {
  Start();
  Choose(0);
  bool pressed = false;
  clock.duringNextFrame = [&] {
    for (QPushButton* button : {form->WMoveButton, form->NMoveButton,
                                    form->NWallButton, form->WWallButton, form->undoButton, form->resetButton,
                                    form->giveupButton}) {
      Click(button);
    }
    pressed = true;
  };
  Click(form->EMoveButton);
  ASSERT_TRUE(pressed);
  Game& game = form->game();
  EXPECT_EQ(game.playerX, 5);
  EXPECT_EQ(game.playerY, 5);
  EXPECT_EQ(game.mp, 1);
  EXPECT_EQ(game.undo.undoCount, 1);
  EXPECT_EQ(game.inputReady, 1);
  EXPECT_TRUE(dialogs().questions.empty());
  EXPECT_TRUE(OnPlayScreen());
}

TEST_F(WindowTest, RestartAsksAndOnlyYesStartsTheStageAgain) {
  Start();
  Choose(0);
  Click(form->WWallButton);
  dialogs().answers = {false};
  Click(form->resetButton);
  ASSERT_EQ(dialogs().questions.size(), 1u);
  EXPECT_EQ(dialogs().questions[0].caption, QStringLiteral("やり直し"));
  EXPECT_EQ(dialogs().questions[0].text, QStringLiteral("このステージを最初からやり直します。よろしいですか？"));
  EXPECT_EQ(form->mpText->text(), QStringLiteral("0"));
  EXPECT_TRUE(form->undoButton->isEnabled());

  dialogs().answers = {true};
  Click(form->resetButton);
  EXPECT_EQ(form->mpText->text(), QStringLiteral("1"));
  EXPECT_EQ(form->game().board.eastWalls[CellIndex(1, 5)], kNoWall);
  EXPECT_FALSE(form->undoButton->isEnabled());
  EXPECT_TRUE(OnPlayScreen());
}

TEST_F(WindowTest, TitleAsksAndYesReturnsWithTheStageJustLeftSelected) {
  Start();
  Choose(3);
  dialogs().answers = {false};
  Click(form->giveupButton);
  ASSERT_EQ(dialogs().questions.size(), 1u);
  EXPECT_EQ(dialogs().questions[0].caption, QStringLiteral("ステージ選択"));
  EXPECT_EQ(dialogs().questions[0].text, QStringLiteral("ステージ選択画面に戻ります。よろしいですか？"));
  EXPECT_TRUE(OnPlayScreen());

  dialogs().answers = {true};
  Click(form->giveupButton);
  EXPECT_TRUE(OnStageSelect());
  for (QWidget* control : form->PlayControls()) EXPECT_FALSE(control->isVisible());
  EXPECT_EQ(SelectedRow(), 3);
  EXPECT_EQ(form->game().inputReady, 1);
}

}  // namespace
}  // namespace suispo::test
