// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage check, one stage for each problem.
#include <gtest/gtest.h>

#include "core/rules/builtin_stages.h"
#include "core/text/display_text.h"
#include "tools/stage_check.h"

namespace suispo::tool {
namespace {

using Texts = std::vector<std::string>;

// A stage line from its 36 cells, 36 walls and the rest (wall points, flag, name).
StageLine Line(const std::string& cells, const std::string& rest, const std::string& walls = std::string(36, '0')) {
  return cells + walls + rest;
}

const std::string kSimple = "C00002" + std::string(30, '0');  // east rests on the door

TEST(CheckStage, FindsEachProblemOfAStageLine) {
  struct Case {
    StageLine line;
    Texts errors, warnings;
  };
  const Case cases[] = {
      {BuiltinStages()[0], {}, {}},
      {Line(kSimple, "x10name"), {"the stage cannot start: its wall points 'x1' are not a number"}, {}},
      {Line("C00000" + std::string(30, '0'), "000name"), {"no door"}, {}},
      {Line("C" + std::string(23, '0') + "000003000032", "000name"), {"it cannot be cleared: the door cannot be reached"}, {}},
      {Line("000002" + std::string(30, '0'), "000name"), {}, {"no start \"C\": the character starts where the stage before left it"}},
      {Line("C0C002" + std::string(30, '0'), "000name"), {}, {"2 starts \"C\": the character starts on the last, (2, 0)"}},
      {Line("C0x002" + std::string(30, '0'), "000name", "9" + std::string(35, '0')),
       {},
       {"the cell code 'x' at (2, 0) is no cell code: read as floor", "the wall code '9' at (0, 0) is no wall code: read as no wall"}},
      {Line("C00002" + std::string(29, '0') + "8", "000name"), {}, {"the red warp pad at (5, 5) has no partner"}},
      {Line("C00002" + std::string(27, '0') + "999", "000name"),
       {},
       {"3 blue warp pads: a pad warps to the last other one, never back to the first"}},
      {Line(kSimple, "00"), {}, {"the line ends after 74 characters, too short to hold the cleared flag and the name"}},
      {Line(kSimple, "007name"), {}, {"the cleared flag '7' is neither 0 nor 1"}},
      {Line("000002C56000047000" + std::string(18, '0'), "000name"),
       {},
       {"a slide round a closed loop of arrows can be played; the endless-loop bound stops it"}},
      {Line(kSimple, "030name"), {}, {"only 0 of the 3 wall points are needed"}},
  };
  for (const Case& c : cases) {
    const StageCheck check = CheckStage(c.line);
    EXPECT_EQ(check.errors, c.errors) << c.line;
    EXPECT_EQ(check.warnings, c.warnings) << c.line;
    EXPECT_EQ(check.Cleared(), c.errors.empty()) << c.line;
  }
  EXPECT_EQ(CheckStage(BuiltinStages()[0]).best->ops.size(), 7u);
}

}  // namespace
}  // namespace suispo::tool
