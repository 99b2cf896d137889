// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The play screen: moves, walls and undo by the buttons and by their keys, presses during a move,
// the two questions.
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "app/window/qt_dialogs.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

enum class PressBy { kClick, kKey };
const char* Named(PressBy by) { return by == PressBy::kClick ? "Click" : "Key"; }
void PrintTo(PressBy by, std::ostream* os) { *os << Named(by); }

// The play screen pressed by the mouse or by the keyboard: each game button and its key.
class PlayScreenTest : public WindowTest, public ::testing::WithParamInterface<PressBy> {
 protected:
  void Press(QPushButton* button) {
    const std::pair<QPushButton*, QKeyCombination> keys[] = {
        {Control<QPushButton>("NMoveButton"), Qt::Key_Up},
        {Control<QPushButton>("EMoveButton"), Qt::Key_Right},
        {Control<QPushButton>("SMoveButton"), Qt::Key_Down},
        {Control<QPushButton>("WMoveButton"), Qt::Key_Left},
        {Control<QPushButton>("NWallButton"), Qt::SHIFT | Qt::Key_Up},
        {Control<QPushButton>("EWallButton"), Qt::SHIFT | Qt::Key_Right},
        {Control<QPushButton>("SWallButton"), Qt::SHIFT | Qt::Key_Down},
        {Control<QPushButton>("WWallButton"), Qt::SHIFT | Qt::Key_Left},
        {Control<QPushButton>("undoButton"), undoByCtrlZ ? Qt::CTRL | Qt::Key_Z : QKeyCombination(Qt::Key_Backspace)}};
    if (GetParam() == PressBy::kKey) {
      for (const auto& [keyed, key] : keys) {
        if (keyed != button) continue;
        Type(key.key(), key.keyboardModifiers());
        if (button == Control<QPushButton>("undoButton")) undoByCtrlZ = !undoByCtrlZ;  // both undo keys in turn
        return;
      }
    }
    Click(button);  // やり直し and タイトル have no key
  }

  bool undoByCtrlZ = false;
};

INSTANTIATE_TEST_SUITE_P(ByMouseAndKeyboard, PlayScreenTest, ::testing::Values(PressBy::kClick, PressBy::kKey),
                         [](const auto& info) { return std::string(Named(info.param)); });

TEST_P(PlayScreenTest, MovesWallsAndUndo) {
  Start();
  Choose(0);  // built-in stage 1: start at column 2 row 5 with one wall point
  Game& game = Play().game();
  Press(Control<QPushButton>("WWallButton"));
  EXPECT_EQ(game.board.eastWalls[CellIndex(1, 5)], kSolidWall);
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("0"));
  EXPECT_TRUE(Control<QPushButton>("undoButton")->isEnabled());

  Press(Control<QPushButton>("WMoveButton"));  // stopped by the wall just built
  EXPECT_EQ(game.playerX, 2);
  Press(Control<QPushButton>("EMoveButton"));  // over the key to the east border, the key stays
  EXPECT_EQ(game.playerX, 5);
  EXPECT_EQ(game.keysLeft, 1);
  EXPECT_GT(clock.frames, 0);

  Press(Control<QPushButton>("undoButton"));
  Press(Control<QPushButton>("undoButton"));
  EXPECT_EQ(game.playerX, 2);
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("0"));
  Press(Control<QPushButton>("undoButton"));
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("1"));
  EXPECT_EQ(game.board.eastWalls[CellIndex(1, 5)], kNoWall);
  EXPECT_FALSE(Control<QPushButton>("undoButton")->isEnabled());

  Press(Control<QPushButton>("NMoveButton"));  // up column 2 to the top, and back down
  EXPECT_EQ(game.playerY, 0);
  Press(Control<QPushButton>("SMoveButton"));
  EXPECT_EQ(game.playerY, 5);
  Press(Control<QPushButton>("NWallButton"));
  Press(Control<QPushButton>("SWallButton"));  // the board's edge takes no wall
  EXPECT_EQ(game.mp, 0);
  EXPECT_EQ(game.board.southWalls[CellIndex(2, 4)], kSolidWall);

  Press(Control<QPushButton>("undoButton"));
  Press(Control<QPushButton>("WMoveButton"));  // into the hole: missed, and the stage starts again
  EXPECT_GT(clock.sleptMs, 0);
  EXPECT_EQ(game.playerX, 2);
  EXPECT_EQ(game.playerY, 5);
  EXPECT_FALSE(Control<QPushButton>("undoButton")->isEnabled());
  EXPECT_TRUE(OnPlayScreen());
}

TEST_P(PlayScreenTest, PressesDuringAMoveDoNothing) {
  Start();
  Choose(0);
  bool pressed = false;
  clock.duringNextFrame = [&] {
    for (QPushButton* button :
         {Control<QPushButton>("WMoveButton"), Control<QPushButton>("NMoveButton"), Control<QPushButton>("NWallButton"),
          Control<QPushButton>("WWallButton"), Control<QPushButton>("undoButton"), Control<QPushButton>("undoButton"),
          Control<QPushButton>("resetButton"), Control<QPushButton>("giveupButton")}) {
      Press(button);
    }
    pressed = true;
  };
  Press(Control<QPushButton>("EMoveButton"));
  ASSERT_TRUE(pressed);
  Game& game = Play().game();
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
  Click(Control<QPushButton>("WWallButton"));
  dialogs().answers = {false};
  Click(Control<QPushButton>("resetButton"));
  ASSERT_EQ(dialogs().questions.size(), 1u);
  EXPECT_EQ(dialogs().questions[0].caption, QStringLiteral("やり直し"));
  EXPECT_EQ(dialogs().questions[0].text, QStringLiteral("このステージを最初からやり直します。よろしいですか？"));
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("0"));
  EXPECT_TRUE(Control<QPushButton>("undoButton")->isEnabled());

  dialogs().answers = {true};
  Click(Control<QPushButton>("resetButton"));
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("1"));
  EXPECT_EQ(Play().game().board.eastWalls[CellIndex(1, 5)], kNoWall);
  EXPECT_FALSE(Control<QPushButton>("undoButton")->isEnabled());
  EXPECT_TRUE(OnPlayScreen());
}

TEST_F(WindowTest, TitleAsksAndYesReturnsWithTheStageJustLeftSelected) {
  Start();
  Choose(3);
  dialogs().answers = {false};
  Click(Control<QPushButton>("giveupButton"));
  ASSERT_EQ(dialogs().questions.size(), 1u);
  EXPECT_EQ(dialogs().questions[0].caption, QStringLiteral("ステージ選択"));
  EXPECT_EQ(dialogs().questions[0].text, QStringLiteral("ステージ選択画面に戻ります。よろしいですか？"));
  EXPECT_TRUE(OnPlayScreen());

  dialogs().answers = {true};
  Click(Control<QPushButton>("giveupButton"));
  EXPECT_TRUE(OnStageSelect());
  for (QWidget* control : PlayControls()) EXPECT_FALSE(control->isVisible());
  EXPECT_EQ(SelectedRow(), 3);
  EXPECT_EQ(Play().game().inputReady, 1);
}

TEST_F(WindowTest, EscAndF5OrRAskAsTheTitleAndRestartButtonsDo) {
  Start();
  EXPECT_EQ(QApplication::focusWidget(), Control<QListWidget>("StageList"));
  Choose(0);
  Click(Control<QPushButton>("WWallButton"));
  dialogs().answers = {false, false, true};
  Type(Qt::Key_F5);
  Type(Qt::Key_R);
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("0"));  // both asked, both answered No
  Type(Qt::Key_R);
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("1"));
  ASSERT_EQ(dialogs().questions.size(), 3u);
  EXPECT_EQ(dialogs().questions[2].caption, QStringLiteral("やり直し"));

  dialogs().answers = {true};
  Type(Qt::Key_Escape);
  ASSERT_EQ(dialogs().questions.size(), 4u);
  EXPECT_EQ(dialogs().questions[3].caption, QStringLiteral("ステージ選択"));
  EXPECT_TRUE(OnStageSelect());
  // Back on the stage select screen the list has the keyboard: the first ↓ chooses the next stage.
  EXPECT_EQ(QApplication::focusWidget(), Control<QListWidget>("StageList"));
  Type(Qt::Key_Down);
  EXPECT_EQ(SelectedRow(), 1);
  Type(Qt::Key_Escape);  // nothing to leave here
  EXPECT_EQ(dialogs().questions.size(), 4u);
}

TEST_F(WindowTest, QuestionsReadHaiAndIieAndTheGameKeysWaitForTheAnswer) {
  Start();
  Choose(0);
  QtDialogs real;
  QStringList buttons;
  QString text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  bool defaultYes = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* button : box->buttons()) buttons.push_back(button->text());
    text = box->windowTitle() + "|" + box->text();
    icon = box->icon();
    defaultYes = box->defaultButton() == box->button(QMessageBox::Yes);
    // Keys typed into the question stay there.
    Type(Qt::Key_Left);
    Type(Qt::Key_Left, Qt::ShiftModifier);
    box->button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(real.AskYesNo(form.get(), QStringLiteral("やり直し"), QStringLiteral("よろしいですか？")));
  buttons.sort();
  EXPECT_EQ(buttons, QStringList({QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)")}));
  EXPECT_EQ(text, QStringLiteral("やり直し|よろしいですか？"));
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_TRUE(defaultYes);
  EXPECT_EQ(Play().game().playerX, 2);
  EXPECT_EQ(Play().game().mp, 1);
}

}  // namespace
}  // namespace suispo::test
