// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// [Play]: how far undo reaches and whether a press during a move is kept, read and written back.
#include <gtest/gtest.h>

#include "tests/app/store/store_fixture.h"

namespace suispo {
namespace {

using test::ReadBytes;
using test::StoreTest;

TEST_F(StoreTest, UndoDepthAndTypeAheadComeBackOnceChosenAndAnUnknownWordIsTheGamesRule) {
  for (const auto& [undo, typeahead, depth, kept] : std::vector<std::tuple<std::string, std::string, UndoDepth, int>>{
           {"unlimited", "1", UndoDepth::kUnlimited, 1}, {"5", "0", UndoDepth::kFive, 0},
           {"10", "yes", UndoDepth::kFive, 0}, {"Unlimited", "2", UndoDepth::kFive, 0}}) {
    WriteSettings("[Play]\r\nundo=" + undo + "\r\ntypeahead=" + typeahead + "\r\n");
    StageStore store = MakeStore();
    store.FormCreate();
    EXPECT_EQ(store.undoDepth, depth) << undo;
    EXPECT_EQ(store.typeAhead, kept) << typeahead;
  }
  WriteSettings("");
  StageStore store = MakeStore();
  store.FormCreate();
  store.FormClose({0, 0});
  EXPECT_EQ(ReadBytes(program / "suispo.ini").find("[Play]"), std::string::npos);
  store.undoDepth = UndoDepth::kUnlimited;
  store.typeAhead = 1;
  store.FormClose({0, 0});
  EXPECT_NE(ReadBytes(program / "suispo.ini").find("[Play]\r\nundo=unlimited\r\ntypeahead=1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace suispo
