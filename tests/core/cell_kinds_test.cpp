// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The cell-kind table against the stage-line reader.
#include <gtest/gtest.h>

#include "core/rules/cell_kinds.h"
#include "core/rules/stage_line.h"

namespace suispo {
namespace {

TEST(CellKinds, EveryKindIsReadBackFromItsOwnCode) {
  for (const CellKindRow& row : kCellKinds) {
    EXPECT_EQ(CellKindOfCode(row.code), row.kind) << row.name;
    EXPECT_TRUE(IsCellCode(row.code)) << row.name;
  }
}

}  // namespace
}  // namespace suispo
