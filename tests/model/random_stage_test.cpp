// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The random stages of the cross-checks hold every kind of cell, so no kind's rule goes unchecked.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/rules/cell_kinds.h"
#include "tests/model/random_stage.h"

namespace suispo::model {
namespace {

TEST(RandomStages, EveryKindOfTheCellKindTableIsDrawn) {
  RandomStages random(20240611);  // the cross-check's seed
  std::set<char> drawn;
  for (int n = 0; n < 200; ++n) {
    const std::string line = random.Line();
    drawn.insert(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(line.size(), 36)));
  }
  for (const CellKindRow& row : kCellKinds) EXPECT_TRUE(drawn.contains(row.code)) << row.name;
}

}  // namespace
}  // namespace suispo::model
