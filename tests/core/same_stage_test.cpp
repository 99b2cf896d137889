// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// "The same stage": the puzzle a record belongs to, and the line a stage file still holds. (The
// generator's meaning, turns and mirrors alike, is CanonicalText's test in stage_design_test.cpp.)
#include <gtest/gtest.h>

#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"

namespace suispo {
namespace {

const StageLine kStageOne = BuiltinStages()[0];  // starts at column 2, row 5, with 1 wall point

// The line with the bytes at position from replaced.
StageLine With(StageLine line, std::size_t from, const std::string& bytes) { return line.replace(from, bytes.size(), bytes); }

TEST(SameStage, APuzzleIsItsBoardStartAndWallPointsWhateverTheLineSays) {
  const std::optional<std::string> key = PuzzleKey(kStageOne);
  ASSERT_TRUE(key);
  // Renamed, cleared, its wall points spelt otherwise, or one byte short of its flag: the same puzzle.
  EXPECT_EQ(PuzzleKey(MarkedCleared(kStageOne.substr(0, 75) + "another name")), key);
  EXPECT_EQ(PuzzleKey(With(kStageOne, 72, " 1")), key);
  EXPECT_EQ(PuzzleKey(kStageOne.substr(0, 72) + "1"), key);
  EXPECT_EQ(PuzzleKey(kStageOne, {2, 5}), key);
  // Another start, other wall points, another wall: another puzzle.
  StageLine noStart = kStageOne;
  noStart[noStart.find('C')] = '0';
  EXPECT_FALSE(PuzzleKey(noStart));  // its start is known only in play
  EXPECT_NE(PuzzleKey(noStart, {0, 3}), key);
  EXPECT_EQ(PuzzleKey(noStart, {2, 5}), key);
  EXPECT_NE(PuzzleKey(With(kStageOne, 72, "02")), key);
  EXPECT_NE(PuzzleKey(With(kStageOne, 36, "1")), key);
  EXPECT_FALSE(PuzzleKey(With(kStageOne, 72, "x1")));  // no number: never started
}

TEST(SameStage, AStageFilesLineIsTheSameOnceBothAreMarkedCleared) {
  EXPECT_TRUE(SameStageLine(kStageOne, MarkedCleared(kStageOne)));
  EXPECT_FALSE(SameStageLine(kStageOne, With(kStageOne, 75, "x")));  // renamed
  EXPECT_FALSE(SameStageLine(kStageOne, With(kStageOne, 72, " 1")));  // any edit makes another line
}

}  // namespace
}  // namespace suispo
