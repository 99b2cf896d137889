// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Plays the same stage and tokens on the model and on the real game and reports where they first part.
#pragma once

#include <string>
#include <vector>

#include "tests/model/game_run.h"
#include "tests/model/rule_model.h"

namespace suispo::model {

struct PlayResult {
  std::vector<std::string> lines;  // the game's JSON objects, "start" first; "error: <text>" for a failed start
  std::string disagreement;        // empty while both agree
};

// Starts `stage` on both, then runs the tokens until the end, a clear or the first disagreement.
// Both keep their state afterwards, so a session may go on with another stage.
PlayResult PlayBoth(GameRun& game, RuleModel& model, int stage, const std::vector<std::string>& tokens);

// What the JSON cannot show: the newest slot and every snapshot that can still be undone.
std::string HistoryDifference(const ModelState& model, const Game& game);

}  // namespace suispo::model
