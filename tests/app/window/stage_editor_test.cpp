// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor in the window: opened on built-in stage 1 by Ctrl+E, a keyboard edit changes 最短,
// undo brings it back, the test play clears the stage and comes back with the edit intact.
#include "app/window/editor/editor_feedback.h"
#include "app/window/editor/stage_editor_screen.h"
#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

class StageEditorTest : public WindowTest {
 protected:
  StageEditorScreen& Editor() const { return *ControlOf<StageEditorScreen>(*form, "StageEditorScreen"); }
  // The par field as a screen reader finds it: by its name, 最短.
  QString ParShown() const { return Control<QLineEdit>(QStringLiteral(u"\u6700\u77ed"))->text(); }
  void WaitForParShown(const QString& shown) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return ParShown() == shown; }, 10000)) << ParShown().toStdString();
  }
  // Arrow keys from the editor's cursor, on the start, to `to`.
  void CursorTo(Cell from, Cell to) {
    for (; from.x < to.x; ++from.x) Type(Qt::Key_Right);
    for (; from.x > to.x; --from.x) Type(Qt::Key_Left);
    for (; from.y < to.y; ++from.y) Type(Qt::Key_Down);
    for (; from.y > to.y; --from.y) Type(Qt::Key_Up);
  }
};

TEST_F(StageEditorTest, CtrlEOpensTheSelectedStageAndAnEditChangesTheParUntilUndone) {
  Start();
  ASSERT_EQ(SelectedRow(), 0);
  Type(Qt::Key_E, Qt::ControlModifier);
  ASSERT_TRUE(Editor().isVisible());
  EXPECT_EQ(Editor().accessibleName(), QStringLiteral("ステージエディタ"));
  WaitForParShown(QStringLiteral("7"));

  // The door painted over with ice, from the keyboard alone: the stage cannot be cleared.
  const StageLine line = BuiltinStages().at(0);
  const auto door = static_cast<int>(line.find('2'));
  CursorTo(*StartOfLine(line), {door % kBoardSize, door / kBoardSize});
  Type(Qt::Key_I);
  WaitForParShown(QStringLiteral("クリアできません"));
  EXPECT_TRUE(Editor().Unsaved());

  Type(Qt::Key_Z, Qt::ControlModifier);
  WaitForParShown(QStringLiteral("7"));
  EXPECT_EQ(Editor().edit().Line(), StageEdit::OfLine(line).Line());
}

TEST_F(StageEditorTest, ATestPlayClearsTheEditedStageAndComesBackWithoutARecord) {
  Start();
  Type(Qt::Key_E, Qt::ControlModifier);
  WaitForParShown(QStringLiteral("7"));
  ASSERT_TRUE(Editor().feedback().par());
  const std::vector<SolverOp> clear = Editor().feedback().par()->clear;
  const StageLine edited = Editor().edit().Line();

  Type(Qt::Key_T, Qt::ControlModifier);
  PlayScreen& trial = Editor().trial();
  ASSERT_TRUE(trial.isVisible());
  const char* const walls[] = {"NWallButton", "EWallButton", "SWallButton", "WWallButton"};
  const char* const moves[] = {"NMoveButton", "EMoveButton", "SMoveButton", "WMoveButton"};
  for (const SolverOp& op : clear) {
    Click(ControlOf<QPushButton>(trial, (op.wall ? walls : moves)[op.direction]));
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return Editor().isVisible(); }, 10000));
  EXPECT_EQ(Editor().edit().Line(), edited);
  EXPECT_FALSE(form->store().records.Find(PuzzleKey(edited)));

  // Esc leaves a test play at once, back in the editor.
  Type(Qt::Key_T, Qt::ControlModifier);
  ASSERT_TRUE(trial.isVisible());
  Type(Qt::Key_Escape);
  EXPECT_TRUE(Editor().isVisible());
}

TEST_F(StageEditorTest, CtrlSSavesTheEditIntoItsOwnLineAndTheStageStartsUncleared) {
  const Rows cells = {"C00002", "000000", "000000", "000000", "000000", "000000"};
  UseStageFile({Stage(cells, kNoWalls, "00", "a", '1'), EastClearLine("b")});
  Start();
  Control<QListWidget>("StageList")->setCurrentRow(0);
  Type(Qt::Key_E, Qt::ControlModifier);
  Type(Qt::Key_Right, Qt::ShiftModifier);  // a wall east of the start
  Type(Qt::Key_S, Qt::ControlModifier);
  const Rows walls = {"100000", "000000", "000000", "000000", "000000", "000000"};
  EXPECT_EQ(ReadFile("test.ssp"), StageFileText({Stage(cells, walls, "00", "a", '0'), EastClearLine("b")}));
  EXPECT_FALSE(Editor().Unsaved());
}

TEST_F(StageEditorTest, LeavingWithAnUnsavedEditAsksFirst) {
  Start();
  Type(Qt::Key_E, Qt::ControlModifier);
  Type(Qt::Key_O);  // a hole on the start
  dialogs().answers = {false};
  Type(Qt::Key_Escape);
  EXPECT_TRUE(Editor().isVisible());
  dialogs().answers = {true};
  Type(Qt::Key_Escape);
  EXPECT_TRUE(OnStageSelect());
}

}  // namespace
}  // namespace suispo::test
