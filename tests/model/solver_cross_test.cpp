// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The solver against a plain breadth-first search over the game's own operations on random stages.
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "core/text/game_error.h"
#include "core/solver/solver.h"
#include "core/rules/stage_play.h"
#include "tests/model/random_stage.h"

namespace suispo::model {
namespace {

// Slow but plainly right: every state the eight buttons reach, the whole state as the key; a miss
// starts the stage again, which never shortens a play. -1 when nothing clears, -2 when too big.
int PlainShortest(const StageLine& line, std::size_t cap) {
  auto key = [](const PlayState& s) {
    return WriteBoardText(s.board) + char('0' + s.playerX) + char('0' + s.playerY) + std::to_string(s.mp);
  };
  rules::StagePlay first(line);
  first.StartStage();
  std::map<std::string, int> depth{{key(first), 0}};
  std::deque<PlayState> queue{first};
  while (!queue.empty()) {
    const PlayState at = queue.front();
    queue.pop_front();
    const int d = depth[key(at)];
    for (int op = 0; op < 8; ++op) {
      rules::StagePlay play(line);
      static_cast<PlayState&>(play) = at;
      if (op < 4) {
        play.PlaceWall(op);
      } else if (play.Slide(op - 4).landing == Landing::kCleared) {
        return d + 1;
      }
      if (depth.emplace(key(play), d + 1).second) queue.push_back(play);
      if (depth.size() > cap) return -2;
    }
  }
  return -1;
}

bool Clears(const StageLine& line, const std::vector<SolverOp>& ops) {
  rules::StagePlay play(line);
  play.StartStage();
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].wall) {
      if (!play.PlaceWall(ops[i].direction)) return false;
    } else if (play.Slide(ops[i].direction).landing == Landing::kCleared) {
      return i + 1 == ops.size();
    }
  }
  return false;
}

TEST(SolverCrossCheck, RandomStagesHaveTheSameShortestClearAsAPlainSearchAndItReplays) {
  RandomStages random(77031);
  int solved = 0, unsolvable = 0;  // among the stages small enough for the plain search
  for (int n = 0; n < 4000 && (solved < 150 || unsolvable < 150); ++n) {
    const StageLine line = random.Line();
    PlayState start;
    try {
      rules::StartStage(line, start);
    } catch (const GameError&) {
      continue;  // no stage to solve
    }
    const int plain = PlainShortest(line, 4000);
    if (plain == -2) continue;
    const SolveResult r = Solve(start);
    if (plain < 0) {
      ++unsolvable;
      EXPECT_EQ(r.outcome, SolveOutcome::kNoSolution) << line;
      continue;
    }
    ++solved;
    ASSERT_EQ(r.outcome, SolveOutcome::kSolved) << line;
    EXPECT_EQ(static_cast<int>(r.ops.size()), plain) << line;
    EXPECT_TRUE(Clears(line, r.ops)) << line;
  }
  // Both answers must be common, or agreement would prove little.
  EXPECT_GE(solved, 150);
  EXPECT_GE(unsolvable, 150);
}

// A state whose last wall point is spent is stored only when its moves still clear the stage (within
// maxOps): the answer must be the very one of the search that stores every state.
TEST(SolverCrossCheck, LeavingOutStatesWithoutAClearKeepsTheAnswer) {
  RandomStages random(90417);
  int compared = 0;
  for (int n = 0; n < 3000 && compared < 200; ++n) {
    PlayState start;
    try {
      rules::StartStage(random.Line(), start);
    } catch (const GameError&) {
      continue;
    }
    if (start.mp == 0) continue;
    const SolveResult all = Solve(start, {.stateLimit = 20000, .exploreAll = true});
    if (!all.complete || all.outcome != SolveOutcome::kSolved) continue;
    ++compared;
    const auto par = static_cast<int>(all.ops.size());
    const SolveResult fewer = Solve(start);
    EXPECT_EQ(fewer.ops, all.ops) << WriteBoardText(start.board);
    EXPECT_LE(fewer.states, all.states);
    EXPECT_EQ(Solve(start, {.maxOps = par}).ops, all.ops) << WriteBoardText(start.board);
    if (par > 1) {
      const SolveResult shorter = Solve(start, {.maxOps = par - 1});
      EXPECT_EQ(shorter.outcome, SolveOutcome::kNoSolution) << WriteBoardText(start.board);
      EXPECT_FALSE(shorter.complete);
    }
  }
  EXPECT_GE(compared, 200);
}

}  // namespace
}  // namespace suispo::model
