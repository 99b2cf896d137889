// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The undo button: five snapshots in a ring, each restoring the board, position and wall points.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/core/stage_fixture.h"

// Counts heap allocations, so a test can check that storing a snapshot allocates nothing. Under
// ThreadSanitizer, whose runtime defines these operators itself, nothing is counted.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define SUISPO_THREAD_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define SUISPO_THREAD_SANITIZER 1
#endif
namespace {
int allocations = 0;
}
#ifndef SUISPO_THREAD_SANITIZER
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++allocations;
  return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#endif

namespace suispo::test {
namespace {

using Calls = std::vector<std::string>;
using Pos = std::pair<int, int>;

TEST(Undo, TheButtonIsEnabledExactlyWhileSnapshotsAreHeld) {
  Play play(BuiltinStages());
  EXPECT_FALSE(play.window.undoEnabled);
  play.N();
  EXPECT_TRUE(play.window.undoEnabled);
  EXPECT_TRUE(play.game.Undo());
  EXPECT_FALSE(play.window.undoEnabled);
  EXPECT_EQ(play.At(), Pos(2, 5));
  EXPECT_EQ(play.game.facing, kNorth);  // facing is not restored
  EXPECT_FALSE(play.game.Undo());       // nothing left: nothing happens
}

TEST(Undo, SixOperationsThenFiveUndosGiveTheStateAfterTheFirst) {
  Play play({StageOf(kEmptyBoard, "09")});
  play.E();  // (5, 0)
  const Pos afterFirst = play.At();
  play.S();
  play.W();
  play.N();
  play.E();
  play.S();
  EXPECT_EQ(play.game.undo.undoCount, 5);
  EXPECT_EQ(play.game.undo.undoIndex, 1);  // slots 1, 2, 3, 4, 0, then 1 again
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(play.game.Undo());
  EXPECT_EQ(play.At(), afterFirst);
  EXPECT_FALSE(play.window.undoEnabled);
  EXPECT_FALSE(play.game.Undo());
}

TEST(Undo, UndoingTheLastKeyPutsItBackAndTheDoorNoLongerClears) {
  Play play(BuiltinStages());
  play.game.PlaceWall(kEast);
  play.N();
  play.E();
  play.S();
  EXPECT_EQ(play.W(), Landing::kKey);
  EXPECT_TRUE(play.game.Undo());
  EXPECT_EQ(play.game.keysLeft, 1);
  EXPECT_EQ(play.Cell(3, 5), kKey);
  EXPECT_EQ(play.At(), Pos(5, 5));
  play.N();  // (5, 0)
  play.W();  // over (4..1, 0) to the door at (0, 0), with the key still out
  EXPECT_EQ(play.At(), Pos(0, 0));
  EXPECT_EQ(play.game.stageIndex, 0);
}

TEST(Undo, UndoingAWarpReturnsToWhereTheSlideBegan) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   r |
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
  EXPECT_EQ(play.E(), Landing::kWarp);
  EXPECT_EQ(play.At(), Pos(0, 5));
  play.game.Undo();
  EXPECT_EQ(play.At(), Pos(0, 0));
  EXPECT_EQ(play.game.facing, kEast);
}

TEST(Undo, UndoingAWallRemovesItAndGivesThePointBack) {
  Play play(BuiltinStages());
  play.game.PlaceWall(kWest);
  play.painter.calls.clear();
  play.window.calls.clear();
  EXPECT_TRUE(play.game.Undo());
  EXPECT_EQ(play.game.board.eastWalls[CellIndex(1, 5)], kNoWall);
  EXPECT_EQ(play.game.mp, 1);
  EXPECT_EQ(play.window.mpText, "1");
  // The whole board is built again, then the character drawn on it with its current facing.
  const Calls& c = play.painter.calls;
  ASSERT_GE(c.size(), 3u);
  EXPECT_EQ(c[c.size() - 3], "SaveBackground()");
  EXPECT_EQ(c[c.size() - 2], "DrawCharacter(2,5,3)");
  EXPECT_EQ(c.back(), "PresentBoard()");
  EXPECT_EQ(play.window.calls, (Calls{"ShowMp(1)", "DisableUndo"}));
}

TEST(Undo, RefusedAndBlockedOperationsUndoToTheSameState) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]: .   .   .   .   . |
    +...+   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)", "01")});
  const Board before = play.game.board;
  play.game.PlaceWall(kEast);  // a marked edge: refused
  play.N();                    // the border: blocked at once
  play.game.Undo();
  play.game.Undo();
  EXPECT_EQ(play.game.board, before);  // marked edges survive the round trip through the board text
  EXPECT_EQ(play.At(), Pos(0, 0));
  EXPECT_EQ(play.game.mp, 1);
}

TEST(Undo, ANewOperationAfterAnUndoTakesTheFreedSlot) {
  Play play({StageOf(kEmptyBoard)});
  play.E();
  play.S();
  play.game.Undo();
  EXPECT_EQ(play.game.undo.undoIndex, 1);
  play.W();
  EXPECT_EQ(play.game.undo.undoIndex, 2);
  EXPECT_EQ(play.game.undo.undoCount, 2);
  EXPECT_EQ(play.game.undo.undoX[2], 5);
  play.game.Undo();
  play.game.Undo();
  EXPECT_EQ(play.At(), Pos(0, 0));
}

TEST(Undo, ARestoredPadOrDoorTriggersNothing) {
  Play play({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   .   .   .   r |
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
  play.E();
  play.N();  // from (0, 5) up to (0, 0)
  play.painter.calls.clear();
  play.game.Undo();  // back onto the pad at (0, 5)
  EXPECT_EQ(play.At(), Pos(0, 5));
  for (const auto& call : play.painter.calls) EXPECT_EQ(call.find("Animate"), std::string::npos) << call;
}

TEST(Undo, StoringASnapshotAllocatesNothing) {
#ifdef SUISPO_THREAD_SANITIZER
  GTEST_SKIP() << "allocations are not counted under ThreadSanitizer";
#endif
  Play play(BuiltinStages());
  const int before = allocations;
  for (int i = 0; i < 12; ++i) play.game.PushUndo();
  EXPECT_EQ(allocations, before);
  EXPECT_EQ(play.game.undo.undoCount, 5);
}

}  // namespace
}  // namespace suispo::test
