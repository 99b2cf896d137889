// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The real game behind a plain interface: start a stage, run a token, read the tool's JSON.
#include "tests/model/game_run.h"

#include "core/text/game_error.h"
#include "tests/support/worded_error.h"

namespace suispo::model {

std::optional<std::string> GameRun::Start(int stage) {
  play_.emplace(lines_[static_cast<std::size_t>(stage)]);
  static_cast<PlayState&>(*play_) = game_;  // a line without "C" starts where the game's last play stood
  try {
    play_->StartStage();
  } catch (const GameError&) {
  }
  try {
    game_.ChooseStage(stage);
  } catch (const GameError& error) {
    return test::Worded(error);
  }
  game_.inputReady = 1;
  return std::nullopt;
}

std::string GameRun::Run(const std::string& token) {
  const std::string json = Json(token, tool::RunOp(game_, token));
  const std::string tool = tool::StateJson(*play_, play_->undo, token, tool::RunOp(*play_, token));
  return json == tool ? json : json + "\n  played without a screen: " + tool;
}

std::string GameRun::Json(const std::string& op, const std::string& event) const {
  return tool::StateJson(game_, game_.undo, op, event);
}

}  // namespace suispo::model
