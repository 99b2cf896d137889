// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's operations as state changes: a board picture before, the edits, the board after;
// undo and redo; and what a stage still lacks.
#include <gtest/gtest.h>

#include "core/design/stage_edit.h"
#include "tests/support/stage_builder.h"

namespace suispo {
namespace {

using test::StageOf;

constexpr std::string_view kAfter = R"(
    +---+---+---+---+---+---+
    | .   . | .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +...+   +   +   +
    | .   .   .  [.]  .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   D |
    +---+---+---+---+---+---+)";

// The edits that make kAfter of the empty board, in order.
void MakeAfter(StageEdit& edit) {
  EXPECT_TRUE(edit.SetCell({5, 5}, kDoor));
  EXPECT_TRUE(edit.SetEdge({1, 0}, kEast, kSolidWall));
  EXPECT_TRUE(edit.SetEdge({2, 3}, kNorth, kMarkedEdge));
  EXPECT_TRUE(edit.SetStart({3, 3}));
}

TEST(StageEdit, CellsEdgesAndTheStartPaintTheBoardDrawn) {
  StageEdit edit = StageEdit::OfLine(StageOf(test::kEmptyBoard));
  MakeAfter(edit);
  EXPECT_EQ(edit.Line(), StageOf(kAfter));
}

TEST(StageEdit, UndoTakesEveryEditBackAndRedoMakesItAgain) {
  const StageLine before = StageOf(test::kEmptyBoard);
  StageEdit edit = StageEdit::OfLine(before);
  MakeAfter(edit);
  while (edit.Undo()) {
  }
  EXPECT_EQ(edit.Line(), before);
  while (edit.Redo()) {
  }
  EXPECT_EQ(edit.Line(), StageOf(kAfter));
  // A new edit after an undo drops what redo would have made.
  edit.Undo();
  edit.SetCell({0, 0}, kKey);
  EXPECT_FALSE(edit.CanRedo());
}

TEST(StageEdit, AnEditThatChangesNothingIsNoUndoStep) {
  StageEdit edit = StageEdit::OfLine(StageOf(test::kEmptyBoard));
  EXPECT_FALSE(edit.SetCell({2, 2}, kFloor));
  EXPECT_FALSE(edit.SetEdge({5, 2}, kEast, kSolidWall));  // the border has no edge to set
  EXPECT_FALSE(edit.CanUndo());
  EXPECT_EQ(edit.revision(), 0);
}

TEST(StageEdit, APieceOnTheStartTakesTheStartAway) {
  StageEdit edit = StageEdit::OfLine(StageOf(test::kEmptyBoard));
  edit.SetCell({0, 0}, kHole);
  EXPECT_EQ(edit.stage().start, -1);
  EXPECT_FALSE(edit.Start());
}

TEST(StageEdit, ANameKeepsNoLineBreak) {
  StageEdit edit;
  edit.SetName("two\r\nlines");
  EXPECT_EQ(edit.stage().name, "twolines");
}

TEST(StageEdit, WhatIsMissingIsTheStartTheDoorAndEachLonePad) {
  const MissingPieces none = MissingOf(StageEdit::OfLine(StageOf(kAfter)).stage());
  EXPECT_TRUE(none.None());
  StageEdit edit;
  edit.SetCell({1, 1}, kWarpBlue);
  edit.SetCell({2, 2}, kWarpRed);
  edit.SetCell({3, 3}, kWarpRed);
  const MissingPieces missing = MissingOf(edit.stage());
  EXPECT_TRUE(missing.start);
  EXPECT_TRUE(missing.door);
  EXPECT_EQ(missing.lonePads, std::vector<int>{kWarpBlue});
}

}  // namespace
}  // namespace suispo
