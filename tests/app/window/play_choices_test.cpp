// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Game > 戻せる回数 and 先行入力 reach the play: from the settings file, and from the menu.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "tests/app/window/window_fixture.h"
#include "tests/support/stage_builder.h"

namespace suispo::test {
namespace {

TEST_F(WindowTest, WithUnlimitedUndoSevenOperationsAndSevenUndosReadNoMoves) {
  UseStageFile({StageOf(kEmptyBoard, "01")});
  WriteFile("suispo.ini", "[FileName]\r\ndatafile=test.ssp\r\n[Play]\r\nundo=unlimited\r\n");
  Start();
  Choose(0);
  for (const char* button :
       {"EMoveButton", "SMoveButton", "NWallButton", "WMoveButton", "NMoveButton", "EMoveButton", "SMoveButton"}) {
    Click(Control<QPushButton>(button));
  }
  EXPECT_EQ(Control<QLabel>("moveText")->text(), QStringLiteral("7"));
  for (int i = 0; i < 7; ++i) Click(Control<QPushButton>("undoButton"));
  EXPECT_EQ(Control<QLabel>("moveText")->text(), QStringLiteral("0"));
  EXPECT_FALSE(Control<QPushButton>("undoButton")->isEnabled());
}

TEST_F(WindowTest, TypeAheadChosenInTheMenuPlaysAPressDuringAMoveAfterIt) {
  UseStageFile({StageOf(kEmptyBoard)});
  Start();
  Control<QAction>("typeAheadMenu")->trigger();
  Choose(0);
  clock.duringNextFrame = [&] { Click(Control<QPushButton>("SMoveButton")); };
  Click(Control<QPushButton>("EMoveButton"));
  EXPECT_EQ(Play().game().Position(), (Cell{5, 5}));
  EXPECT_EQ(form->store().typeAhead, 1);
}

}  // namespace
}  // namespace suispo::test
