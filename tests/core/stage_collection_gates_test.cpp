// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The shipped chapters: ten stages each, opening at par 10 or less, rising, every stage through the gates,
// none from the third on cleared by random presses.
#include <gtest/gtest.h>

#include <set>

#include "core/files/stage_file.h"
#include "core/design/measure.h"

namespace suispo {
namespace {

TEST(StageCollection, EveryChapterRisesFromAnEasyStartAndEveryStagePassesTheGates) {
  const char* chapters[] = {"1-walls", "2-holes", "3-arrows", "4-warps", "5-marked", "6-all"};
  std::set<std::string> looks;
  for (const char* chapter : chapters) {
    const std::vector<StageLine> lines = ReadStageFile(std::string(SUISPO_STAGES_DIR) + "/" + chapter + ".ssp");
    ASSERT_EQ(lines.size(), 10u) << chapter;
    int lastPar = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const StageLine& line = lines[i];
      const StageDraft draft = DraftOfLine(line);
      const StageMeasures m = Measure(draft);
      const StageGates gates = GatesOf(m, chapter == std::string("6-all"));
      EXPECT_TRUE(gates.All()) << chapter << ": " << line;
      // From the third stage on, no stage falls to random presses.
      if (i >= 2) EXPECT_TRUE(gates.notTrivial) << chapter << ": " << line;
      EXPECT_GE(m.par, lastPar) << chapter << ": " << line;
      if (lastPar == 0) {
        EXPECT_LE(m.par, 10) << chapter;
      }
      lastPar = m.par;
      EXPECT_TRUE(looks.insert(CanonicalText(draft)).second) << "alike: " << line;
    }
  }
}

}  // namespace
}  // namespace suispo
