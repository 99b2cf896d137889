// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Replaying a player's operations on a stage, for the stage tool's commands.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/game/game.h"
#include "core/rules/stage_play.h"
#include "core/solver/solver.h"

namespace suispo::tool {

// N E S W move, +N +E +S +W build a wall, U undo, R restart. An argument may hold several tokens
// separated by blanks or commas. Throws std::invalid_argument naming the first unknown token.
std::vector<std::string> ParseOps(const std::vector<std::string>& args);

// Runs one operation as its button would; returns what happened: "key", "cleared", "missed",
// "warp", "wall", "undo" or "none". The game is the one the player sees (render draws it); the
// stage play is the same rules without a screen.
std::string RunOp(rules::StagePlay& play, const std::string& token);
std::string RunOp(Game& game, const std::string& token);

// The operations as tokens ("+E N W"), or as the items of a JSON list ("\"+E\",\"N\"").
std::string OpsText(const std::vector<SolverOp>& ops, bool json);

// The state as the stage tool reports it, one JSON object.
std::string StateJson(const PlayState& state, const UndoRing& undo, const std::string& op, const std::string& event);

// The stage number argument (1-based) as an index into lines; throws std::invalid_argument.
int StageIndexOf(const std::string& argument, std::size_t stageCount);

// What the commands that replay take: FILE STAGE [OP ...], read and checked in that order of errors
// (the operations, the file, the stage number).
struct StageRequest {
  std::vector<StageLine> lines;
  int stage = 0;  // an index into lines
  std::vector<std::string> ops;

  const StageLine& line() const { return lines[static_cast<std::size_t>(stage)]; }
};
StageRequest OpenStage(const std::vector<std::string>& args);

// An operation given after the stage was cleared; every command exits with status 1 for it.
class AfterClear : public std::runtime_error {
 public:
  explicit AfterClear(const std::string& op)
      : std::runtime_error("the stage is cleared; '" + op + "' comes after the end") {}
};

// Runs the operations through RunOp, telling `each` the operation and what it did; throws AfterClear
// for one that follows the clear. True when the stage ends cleared.
template <class Play>
bool ReplayOps(Play& play, const std::vector<std::string>& ops,
               const std::function<void(const std::string& op, const std::string& event)>& each = {}) {
  bool cleared = false;
  for (const std::string& op : ops) {
    if (cleared) throw AfterClear(op);
    const std::string event = RunOp(play, op);
    cleared = event == "cleared";
    if (each) each(op, event);
  }
  return cleared;
}

}  // namespace suispo::tool
