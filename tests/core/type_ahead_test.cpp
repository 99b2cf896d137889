// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// 先行入力: a press during a move is played when the move's animation has ended, or dropped with the play.
#include <gtest/gtest.h>

#include "tests/core/stage_fixture.h"

namespace suispo::test {
namespace {

using Pos = std::pair<int, int>;

// The presses come at the first step of the next slide, as keys between its frames.
void PressDuringNextSlide(Play& play, std::vector<int> directions) {
  Play* const pressed = &play;
  play.painter.duringStep = [pressed, directions] {
    // The hook lets go of itself: what it needs is copied out first.
    Play* const on = pressed;
    const std::vector<int> presses = directions;
    on->painter.duringStep = nullptr;
    for (int direction : presses) on->game.Slide(kStepX[direction], kStepY[direction], direction);
  };
}

TEST(TypeAhead, TheNewestPressDuringAMoveIsPlayedWhenItEnds) {
  Play play({StageOf(kEmptyBoard, "01")});
  play.game.typeAhead = true;
  PressDuringNextSlide(play, {kWest, kSouth});  // south replaces west
  EXPECT_EQ(play.E(), Landing::kNone);
  EXPECT_EQ(play.At(), Pos(5, 5));
  EXPECT_EQ(play.game.moveCount, 2);
}

TEST(TypeAhead, OffThePressDuringAMoveIsLost) {
  Play play({StageOf(kEmptyBoard, "01")});
  PressDuringNextSlide(play, {kSouth});
  play.E();
  EXPECT_EQ(play.At(), Pos(5, 0));
  EXPECT_EQ(play.game.moveCount, 1);
}

TEST(TypeAhead, AFallDropsTheKeptPress) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   O |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)")});
  play.game.typeAhead = true;
  PressDuringNextSlide(play, {kSouth});
  EXPECT_EQ(play.E(), Landing::kMissed);
  EXPECT_EQ(play.At(), Pos(0, 0));
  EXPECT_EQ(play.game.moveCount, 0);
}

}  // namespace
}  // namespace suispo::test
