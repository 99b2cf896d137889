// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Drives the real rules in core/ the way the stage tool does, so the model has something to be compared with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/game/game.h"
#include "tests/support/recording_painter.h"
#include "tools/replay.h"

namespace suispo::model {

class GameRun {
 public:
  explicit GameRun(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // Starts lines[stage] and makes the buttons live; the GameError's text when the start fails.
  std::optional<std::string> Start(int stage);
  // One token through the tool's own dispatch; the JSON object the tool prints for it.
  std::string Run(const std::string& token);
  std::string Json(const std::string& op, const std::string& event) const;

  const Game& game() const { return game_; }

 private:
  std::vector<std::string> lines_;
  NullPainter painter_;  // the comparison needs only the rules
  test::RecordingWindow window_;
  Game game_{lines_, painter_, window_};
  // The same stage played without a screen, as the stage tool plays it: it must agree with the game.
  std::optional<rules::StagePlay> play_;
};

}  // namespace suispo::model
