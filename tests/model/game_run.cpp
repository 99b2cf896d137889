// The real game behind a plain interface: start a stage, run a token, read the tool's JSON.
#include "tests/model/game_run.h"

#include "core/game_error.h"

namespace suispo::model {

std::optional<std::string> GameRun::Start(int stage) {
  game_.stageIndex = stage;
  try {
    game_.StartStage();
  } catch (const GameError& error) {
    return error.what();
  }
  game_.inputReady = 1;
  return std::nullopt;
}

std::string GameRun::Run(const std::string& token) { return Json(token, tool::RunOp(game_, token)); }

std::string GameRun::Json(const std::string& op, const std::string& event) const {
  return tool::StateJson(game_, op, event);
}

}  // namespace suispo::model
