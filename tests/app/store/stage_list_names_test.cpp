// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage list in English: a stage the name table knows by its puzzle shows that name, another its own.
#include <gtest/gtest.h>

#include "app/store/stage_store.h"
#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"

namespace suispo {
namespace {

TEST(StageListLinesTest, AStageTheTableKnowsShowsItsNameAnUnknownOneItsOwn) {
  const std::vector<StageLine> stages = BuiltinStages();
  const NameTable names{{*PuzzleKey(stages[1]), "Second Stage"}};
  const std::vector<std::string> lines = StageListLines({stages[0], stages[1]}, nullptr, &names);
  EXPECT_EQ(lines[1], "\u3000 Second Stage");
  EXPECT_EQ(lines[0], StageListLines({stages[0]})[0]);
}

}  // namespace
}  // namespace suispo
