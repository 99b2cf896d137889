// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage tool's board pictures: every cell kind under a symbol of its own, as the tests read pictures.
#include <gtest/gtest.h>

#include "core/rules/cell_kinds.h"
#include "core/rules/play_state.h"
#include "tests/support/stage_builder.h"
#include "tools/board_text_picture.h"

namespace suispo::tool {
namespace {

TEST(BoardPicture, EveryCellKindIsDrawnUnderItsOwnSymbolAndReadsBackAsItself) {
  PlayState drawn;  // the character on the floor in the top-left corner
  for (const CellKindRow& row : kCellKinds) drawn.board.cells[CellIndex(row.kind % 6, row.kind / 6)] = row.kind;
  PlayState read;
  rules::LoadBoard(test::StageOf(BoardPicture(drawn)), read);
  EXPECT_EQ(read.board.cells, drawn.board.cells);
}

}  // namespace
}  // namespace suispo::tool
