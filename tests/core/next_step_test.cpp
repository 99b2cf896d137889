// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The hint: the first operation of a shortest clear from wherever the play stands.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/rules/builtin_stages.h"
#include "core/solver/solver.h"
#include "core/rules/stage_play.h"

namespace suispo::test {
namespace {

// Plays a hint as its button would; the landing of a move, none for a wall.
Landing Follow(rules::StagePlay& play, SolverOp hint) {
  if (hint.wall) {
    EXPECT_TRUE(play.PlaceWall(hint.direction));
    return Landing::kNone;
  }
  return play.Slide(hint.direction).landing;
}

TEST(NextStep, FollowingTheHintsFromAStrayPositionClearsInTheFewestOperations) {
  for (std::size_t stage = 0; stage < 4; ++stage) {
    rules::StagePlay play(BuiltinStages()[stage]);
    play.StartStage();
    play.Slide(kSouth);  // off the shortest road (or nowhere): the hints start from where this left it
    std::size_t left = Solve(play).ops.size();
    ASSERT_GT(left, 0u) << "stage " << stage + 1;
    Landing landing = Landing::kNone;
    while (landing != Landing::kCleared) {
      const std::optional<SolverOp> hint = NextStep(play);
      ASSERT_TRUE(hint) << "stage " << stage + 1 << ", " << left << " left";
      landing = Follow(play, *hint);
      --left;
      if (landing != Landing::kCleared) {
        EXPECT_EQ(Solve(play).ops.size(), left) << "stage " << stage + 1;
      }
    }
    EXPECT_EQ(left, 0u) << "stage " << stage + 1;
  }
}

TEST(NextStep, NoHintWhereNoClearIsLeft) {
  StageLine line = BuiltinStages()[0];
  line.replace(72, 2, "00");  // stage one needs its one wall
  rules::StagePlay play(line);
  play.StartStage();
  EXPECT_FALSE(NextStep(play));
}

TEST(NextStep, ACancelFromAnotherThreadStopsTheSearch) {
  rules::StagePlay play(BuiltinStages()[4]);
  play.StartStage();
  std::atomic<bool> cancel = true;
  const SolveResult stopped = Solve(play, {.cancel = &cancel});
  EXPECT_EQ(stopped.outcome, SolveOutcome::kStopped);
  EXPECT_EQ(stopped.reason, "the search was cancelled");
  EXPECT_FALSE(NextStep(play, {.cancel = &cancel}));
  // Two searches on two threads share nothing: both find stage five's first step.
  cancel = false;
  std::optional<SolverOp> a, b;
  std::thread other([&] { a = NextStep(play, {.cancel = &cancel}); });
  b = NextStep(play);
  other.join();
  ASSERT_TRUE(a && b);
  EXPECT_EQ(*a, *b);
}

TEST(NextStep, ASearchRunningOnAWorkerStopsWhenCancelledFromAnother) {
  rules::StagePlay play(BuiltinStages()[4]);
  play.StartStage();
  std::atomic<bool> cancel = false;
  std::atomic<bool> started = false;
  SolveResult result;
  // The worker searches again until a search of its is cancelled, so the cancel always meets one.
  std::thread worker([&] {
    do {
      started = true;
      result = Solve(play, {.exploreAll = true, .cancel = &cancel});
    } while (result.outcome != SolveOutcome::kStopped);
  });
  while (!started) std::this_thread::yield();
  cancel = true;
  worker.join();
  EXPECT_EQ(result.reason, "the search was cancelled");
}

}  // namespace
}  // namespace suispo::test
