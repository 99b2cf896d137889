// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's figures for a handful of boards, as the solver, the effort and the gates give them.
#include <gtest/gtest.h>

#include "core/design/edit_feedback.h"
#include "core/design/stage_edit.h"
#include "core/rules/builtin_stages.h"
#include "tests/support/stage_builder.h"

namespace suispo {
namespace {

PlayState StartOf(const StageLine& line) { return *StageEdit::OfLine(line).Start(); }

TEST(EditFeedback, TheFirstBuiltinStageHasParSevenAndARating) {
  const ParFeedback feedback = FindParFeedback(StartOf(BuiltinStages().at(0)));
  EXPECT_EQ(feedback.par(), 7);
  EXPECT_EQ(feedback.clear.size(), 7u);
  EXPECT_GE(feedback.rating, 1);
  EXPECT_LE(feedback.rating, 5);
}

TEST(EditFeedback, ABoardWithoutADoorCannotBeCleared) {
  const ParFeedback feedback = FindParFeedback(StartOf(test::StageOf(test::kEmptyBoard)));
  EXPECT_EQ(feedback.outcome, SolveOutcome::kNoSolution);
  EXPECT_EQ(feedback.par(), -1);
}

TEST(EditFeedback, ADoorWalledOffCannotBeCleared) {
  const ParFeedback feedback = FindParFeedback(StartOf(test::StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +---+
    | .   .   .   .   . | D |
    +   +   +   +   +   +---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")));
  EXPECT_EQ(feedback.outcome, SolveOutcome::kNoSolution);
}

TEST(EditFeedback, AHoleNoSlideMeetsFailsTheGateOfInertPieces) {
  const StageDraft draft = *StageEdit::OfLine(test::StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   D |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   O   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")).Draft();
  const GateFeedback feedback = FindGateFeedback(draft);
  EXPECT_EQ(feedback.measures.par, 1);
  EXPECT_FALSE(feedback.gates[Gate::kNoInertPiece]);
  EXPECT_TRUE(feedback.gates[Gate::kOneIdea]);
}

TEST(EditFeedback, ACancelledSearchSaysSoAndShowsNothing) {
  const std::atomic<bool> cancel = true;
  EXPECT_TRUE(FindParFeedback(StartOf(BuiltinStages().at(0)), &cancel).cancelled);
  EXPECT_TRUE(FindGateFeedback(*StageEdit::OfLine(BuiltinStages().at(0)).Draft(), &cancel).cancelled);
}

}  // namespace
}  // namespace suispo
