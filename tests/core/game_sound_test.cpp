// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The sounds the game announces for each operation, and the frame each one starts with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

using Cues = std::vector<Cue>;

// How many drawing calls came before the first (or last) call that starts with prefix.
std::size_t DrawnBefore(const std::vector<std::string>& calls, const std::string& prefix, bool last = false) {
  auto starts = [&](const std::string& call) { return call.rfind(prefix, 0) == 0; };
  if (!last) return static_cast<std::size_t>(std::find_if(calls.begin(), calls.end(), starts) - calls.begin());
  return static_cast<std::size_t>(calls.rend() - std::find_if(calls.rbegin(), calls.rend(), starts));
}

// Built-in stage 1 (the start at (2, 5), a key at (3, 5), the door at (0, 0), a hole at (0, 5)),
// played by its clear up to the slide onto the key.
void PlayUpToTheKey(Play& play) {
  play.game.PlaceWall(kEast);
  for (auto move : {&Play::N, &Play::E, &Play::S}) (play.*move)();
  play.sound.Clear();
  play.painter.calls.clear();
}

TEST(Sound, AMoveOntoAKeySoundsTheSlideWithItsFirstStepThenTheStopAndTheKeyAfterItsLast) {
  Play play(BuiltinStages());
  PlayUpToTheKey(play);
  play.painter.calls.clear();
  ASSERT_EQ(play.W(), Landing::kKey);
  EXPECT_EQ(play.sound.cues, (Cues{Cue::kSlide, Cue::kStop, Cue::kKey}));
  const std::vector<std::string>& calls = play.painter.calls;
  EXPECT_EQ(play.sound.drawnBefore[0], DrawnBefore(calls, "AnimateStep"));
  EXPECT_EQ(play.sound.drawnBefore[1], DrawnBefore(calls, "AnimateStep", true));
  EXPECT_EQ(play.sound.drawnBefore[2], DrawnBefore(calls, "EraseCell"));
}

TEST(Sound, AMissSoundsTheFallWithItsAnimationAndNoStop) {
  Play play(BuiltinStages());
  ASSERT_EQ(play.W(), Landing::kMissed);
  EXPECT_EQ(play.sound.cues, (Cues{Cue::kSlide, Cue::kFall}));
  EXPECT_EQ(play.sound.drawnBefore[1], DrawnBefore(play.painter.calls, "AnimateMiss"));
}

TEST(Sound, TheDoorSoundsTheClearWithTheVictory) {
  Play play(BuiltinStages());
  PlayUpToTheKey(play);
  play.W();
  play.N();
  play.sound.Clear();
  play.painter.calls.clear();
  ASSERT_EQ(play.W(), Landing::kCleared);
  EXPECT_EQ(play.sound.cues, (Cues{Cue::kSlide, Cue::kStop, Cue::kClear}));
  EXPECT_EQ(play.sound.drawnBefore[2], DrawnBefore(play.painter.calls, "AnimateClear"));
}

TEST(Sound, APadSoundsTheWarpInsteadOfTheStop) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    | .  [.]  .   .   .   r |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | r   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  ASSERT_EQ(play.E(), Landing::kWarp);
  EXPECT_EQ(play.sound.cues, (Cues{Cue::kSlide, Cue::kWarp}));
  EXPECT_EQ(play.sound.drawnBefore[1], DrawnBefore(play.painter.calls, "AnimateSink"));
}

TEST(Sound, APressThatMovesNothingTurnsAndOnlyAWallBuiltSoundsAWall) {
  Play play(BuiltinStages());
  ASSERT_EQ(play.S(), Landing::kNone);  // the start stands on the south border
  EXPECT_EQ(play.sound.cues, (Cues{Cue::kTurn}));
  play.sound.Clear();
  EXPECT_FALSE(play.game.PlaceWall(kSouth));  // the border takes no wall
  EXPECT_TRUE(play.game.PlaceWall(kEast));
  EXPECT_FALSE(play.game.PlaceWall(kNorth));  // no wall point left
  EXPECT_EQ(play.sound.cues, (Cues{Cue::kWall}));
}

TEST(Sound, UndoAndRestartSoundButAChosenStageAndAPressDuringAMoveDoNot) {
  Play play(BuiltinStages());
  play.E();
  play.sound.Clear();
  play.game.Undo();
  play.game.StartStage();
  EXPECT_EQ(play.sound.cues, (Cues{Cue::kUndo, Cue::kRestart}));
  play.sound.Clear();
  play.game.ChooseStage(1);
  play.game.inputReady = 0;
  play.E();
  EXPECT_TRUE(play.sound.cues.empty());
}

}  // namespace
}  // namespace suispo::test
