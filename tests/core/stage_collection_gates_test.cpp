// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The shipped chapters: ten stages each through their gates, most of them forcing, openers that need the
// chapter's mechanic and are found quickly, the effort rising within each chapter and from chapter to
// chapter, few corner loops and no two clears alike, marked edges that matter, holes that catch someone.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <set>

#include "core/design/effort.h"
#include "core/design/gates.h"
#include "core/design/random_player.h"
#include "core/design/repeated_ideas.h"
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
constexpr int kMarkedChapterStagesWithMore = 5;  // of the nine after the opener: two or three marked edges
constexpr long kStagesWithTwoOfAKind = 3;        // two arrows or two pairs of pads, each needed (G3)

struct MeasuredStage {
  StageLine line;
  StageDraft draft;
  StageMeasures m;
  std::vector<SolverOp> clear;  // the shortest
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
        stages.push_back({line, draft, Measure(draft), SolveDraft(draft, kDefaultStateLimit).ops});
      }
      chapters_.push_back(std::move(stages));
    }
  }
  static std::vector<long> Efforts(const std::vector<MeasuredStage>& stages) {
    std::vector<long> efforts;
    for (const MeasuredStage& s : stages) efforts.push_back(s.m.effort);
    return efforts;
  }
  static const std::vector<MeasuredStage>& Chapter(unsigned mechanic) {
    return chapters_[static_cast<std::size_t>(
        std::find_if(std::begin(kChapters), std::end(kChapters), [&](const ChapterFile& c) { return c.mechanic == mechanic; }) -
        std::begin(kChapters))];
  }
  static inline std::vector<std::vector<MeasuredStage>> chapters_;
};

int MarkedEdges(const Board& board) {
  int marked = 0;
  for (int e = 0; e < kInnerEdgeCount; ++e) marked += EdgeKind(board, InnerEdge(e)) == kMarkedEdge ? 1 : 0;
  return marked;
}

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

TEST_F(StageCollection, EveryChapterHoldsTheCornerLoopInTwoStagesAtMost) {
  for (std::size_t c = 0; c < chapters_.size(); ++c) {
    int loops = 0;
    for (const MeasuredStage& s : chapters_[c]) loops += CornerLoopAt(s.draft, s.clear) >= 0 ? 1 : 0;
    EXPECT_LE(loops, kMostCornerLoops) << kChapters[c].name;
  }
}

TEST_F(StageCollection, NoTwoStagesShareTenOperationsInARowOfTheirShortestClears) {
  std::vector<std::vector<SolverOp>> clears;
  for (const auto& stages : chapters_) {
    for (const MeasuredStage& s : stages) clears.push_back(s.clear);
  }
  for (const AlikePair& p : AlikePairs(clears)) ADD_FAILURE() << "stages " << p.first << " and " << p.second << ": " << p.run;
}

TEST_F(StageCollection, SeventyPercentOfTheStagesHaveAtMostThreeClearsNearPar) {
  int few = 0, all = 0;
  for (const auto& stages : chapters_) {
    for (const MeasuredStage& s : stages) few += s.m.nearParClears >= 1 && s.m.nearParClears <= 3 ? 1 : 0;
    all += static_cast<int>(stages.size());
  }
  EXPECT_GE(few * 10, all * 7) << few << " of " << all;
}

TEST_F(StageCollection, EffortRisesInsideEveryChapterAndFromChapterToChapter) {
  std::vector<long> medians;
  for (std::size_t c = 0; c < chapters_.size(); ++c) {
    EXPECT_GE(RankCorrelationWithPosition(Efforts(chapters_[c])), 0.8) << kChapters[c].name;
    medians.push_back(Median(Efforts(chapters_[c])));
  }
  EXPECT_GE(RankCorrelationWithPosition(medians), 0.8) << ::testing::PrintToString(medians);
}

TEST_F(StageCollection, TheMarkedChapterOpensWithMarkedEdgesAloneThenHoldsMoreBesideOtherKinds) {
  const std::vector<MeasuredStage>& marked = Chapter(kMarkedEdges);
  EXPECT_EQ(marked.front().m.present, kMarkedEdges);
  int more = 0;
  for (std::size_t i = 1; i < marked.size(); ++i) {
    EXPECT_GE(std::popcount(marked[i].m.present), 2) << marked[i].line;
    more += MarkedEdges(marked[i].draft.board) >= 2 ? 1 : 0;
  }
  EXPECT_GE(more, kMarkedChapterStagesWithMore);
}

TEST_F(StageCollection, TheMarkedEdgesOfTheirChapterChangeEveryShortestClear) {
  for (const MeasuredStage& s : Chapter(kMarkedEdges)) {
    StageDraft plain = s.draft;
    TakeKindsAway(plain.board, kMarkedEdges);
    const SolveResult without = SolveDraft(plain, kDefaultStateLimit);
    EXPECT_TRUE(without.ops != s.clear) << s.line;
  }
}

TEST_F(StageCollection, AHoleThatLeavesTheParCatchesAPersonOrARandomPlayer) {
  for (const auto& stages : chapters_) {
    for (const MeasuredStage& s : stages) {
      for (int cell = 0; cell < kCellCount; ++cell) {
        if (s.draft.board.cells[static_cast<std::size_t>(cell)] != kHole) continue;
        StageDraft without = s.draft;
        without.board.cells[static_cast<std::size_t>(cell)] = kFloor;
        if (ParOf(without, kMeasureStateLimit) != s.m.par) continue;
        // Without it a person's search finds the clear sooner, or random runs clear more often.
        EXPECT_TRUE(SearchEffort(without) < s.m.effort || RandomClearRate(without) > s.m.randomClearRate)
            << "hole " << cell << ": " << s.line;
      }
    }
  }
}

TEST_F(StageCollection, ArrowsWarpsAndTheLastChapterHoldTwoOfAKindWhereAStageNeedsThem) {
  const auto twoOfAKind = [](const MeasuredStage& s) {
    int arrows = 0, pads = 0;
    for (int kind : s.draft.board.cells) {
      arrows += IsArrow(kind) ? 1 : 0;
      pads += IsWarp(kind) ? 1 : 0;
    }
    return arrows >= 2 || pads >= 4;
  };
  for (unsigned mechanic : {unsigned{kArrows}, unsigned{kWarps}, kAllMechanics}) {
    const std::vector<MeasuredStage>& stages = Chapter(mechanic);
    EXPECT_GE(std::count_if(stages.begin(), stages.end(), twoOfAKind), kStagesWithTwoOfAKind) << mechanic;
  }
}

}  // namespace
}  // namespace suispo
