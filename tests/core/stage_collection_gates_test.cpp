// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The shipped chapters: ten stages each through their gates, most of them forcing, openers that need the
// chapter's mechanic and are found quickly, the effort rising within each chapter, the last the hardest.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <set>

#include "core/design/gates.h"
#include "core/files/stage_file.h"

namespace suispo {
namespace {

struct ChapterFile {
  const char* name;
  unsigned mechanic;  // the opener needs it; 0: the wall points; kAllMechanics: two mechanics or more
};
constexpr ChapterFile kChapters[] = {{"1-walls", 0},        {"2-holes", kHoles},        {"3-arrows", kArrows},
                                     {"4-warps", kWarps},   {"5-marked", kMarkedEdges}, {"6-all", kAllMechanics}};
constexpr long kOpenerEffort = 150;  // found in a minute

struct MeasuredStage {
  StageLine line;
  StageDraft draft;
  StageMeasures m;
};

// Positions 1..n of the values, ties sharing the mean of their positions.
std::vector<double> Ranks(const std::vector<long>& values) {
  std::vector<std::size_t> order(values.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
  std::vector<double> ranks(values.size());
  for (std::size_t i = 0, j = 0; i < order.size(); i = j) {
    while (j < order.size() && values[order[j]] == values[order[i]]) ++j;
    for (std::size_t k = i; k < j; ++k) ranks[order[k]] = (i + j + 1) / 2.0;
  }
  return ranks;
}

// Spearman's rank correlation of the values with their positions.
double RankCorrelationWithPosition(const std::vector<long>& values) {
  const std::vector<double> a = Ranks(values);
  const double n = static_cast<double>(a.size()), mean = (n + 1) / 2;
  double cov = 0, va = 0, vb = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const double b = static_cast<double>(i + 1);
    cov += (a[i] - mean) * (b - mean);
    va += (a[i] - mean) * (a[i] - mean);
    vb += (b - mean) * (b - mean);
  }
  return va > 0 ? cov / std::sqrt(va * vb) : 0;
}

long Median(std::vector<long> values) {
  std::sort(values.begin(), values.end());
  return (values[(values.size() - 1) / 2] + values[values.size() / 2]) / 2;
}

class StageCollection : public ::testing::Test {
 protected:
  // Measured once for every test: each measure runs several searches.
  static void SetUpTestSuite() {
    for (const ChapterFile& chapter : kChapters) {
      std::vector<MeasuredStage> stages;
      for (const StageLine& line : ReadStageFile(std::string(SUISPO_STAGES_DIR) + "/" + chapter.name + ".ssp")) {
        const StageDraft draft = DraftOfLine(line);
        stages.push_back({line, draft, Measure(draft)});
      }
      chapters_.push_back(std::move(stages));
    }
  }
  static std::vector<long> Efforts(const std::vector<MeasuredStage>& stages) {
    std::vector<long> efforts;
    for (const MeasuredStage& s : stages) efforts.push_back(s.m.effort);
    return efforts;
  }
  static inline std::vector<std::vector<MeasuredStage>> chapters_;
};

TEST_F(StageCollection, TenStagesAChapterEachThroughItsGatesNoTwoAlike) {
  std::set<std::string> looks;
  for (std::size_t c = 0; c < chapters_.size(); ++c) {
    ASSERT_EQ(chapters_[c].size(), 10u) << kChapters[c].name;
    for (std::size_t i = 0; i < chapters_[c].size(); ++i) {
      const MeasuredStage& s = chapters_[c][i];
      const StageGates gates = GatesOf(s.m, kChapters[c].mechanic == kAllMechanics);
      const unsigned where = kCollection | (i >= 2 ? kCollectionFromThird : 0u);
      for (const GateRule& rule : kGates) {
        // Forcing is asked of most stages, not of each: the next test counts it.
        if (rule.gate != Gate::kForcing && Asked(rule, where)) {
          EXPECT_TRUE(gates[rule.gate]) << rule.name << ", " << kChapters[c].name << ": " << s.line;
        }
      }
      EXPECT_GT(s.m.effort, 0) << s.line;
      EXPECT_TRUE(looks.insert(CanonicalText(s.draft)).second) << "alike: " << s.line;
    }
  }
}

TEST_F(StageCollection, SeventyPercentOfTheStagesAreForcing) {
  int forcing = 0, all = 0;
  for (const auto& stages : chapters_) {
    for (const MeasuredStage& s : stages) forcing += Passes(Gate::kForcing, s.m) ? 1 : 0;
    all += static_cast<int>(stages.size());
  }
  EXPECT_GE(forcing * 10, all * 7) << forcing << " of " << all;
}

TEST_F(StageCollection, EveryOpenerNeedsItsChaptersMechanicAndIsFoundQuickly) {
  for (std::size_t c = 0; c < chapters_.size(); ++c) {
    const MeasuredStage& opener = chapters_[c].front();
    const unsigned mechanic = kChapters[c].mechanic;
    if (mechanic == 0) {
      EXPECT_TRUE(opener.draft.mp > 0 && opener.m.wallPointsNeeded) << kChapters[c].name;
    } else if (mechanic == kAllMechanics) {
      EXPECT_GE(std::popcount(opener.m.needed), 2) << kChapters[c].name;
    } else {
      EXPECT_TRUE(opener.m.needed & mechanic) << kChapters[c].name;
    }
    EXPECT_LE(opener.m.effort, kOpenerEffort) << kChapters[c].name;
  }
}

TEST_F(StageCollection, EffortRisesWithPositionInEveryChapterAndTheLastIsTheHardest) {
  double sum = 0;
  std::vector<long> medians;
  for (std::size_t c = 0; c < chapters_.size(); ++c) {
    const std::vector<long> efforts = Efforts(chapters_[c]);
    const double rho = RankCorrelationWithPosition(efforts);
    EXPECT_GE(rho, 0.6) << kChapters[c].name;
    sum += rho;
    medians.push_back(Median(efforts));
  }
  EXPECT_GE(sum / static_cast<double>(chapters_.size()), 0.8);
  // The first highest median is the last chapter's: no other chapter reaches it.
  EXPECT_EQ(std::max_element(medians.begin(), medians.end()) - medians.begin(), std::ssize(medians) - 1);
}

}  // namespace
}  // namespace suispo
