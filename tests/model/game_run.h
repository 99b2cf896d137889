// Drives the real rules in core/ the way the stage tool does, so the model has something to be compared with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
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
  // Draws nothing: the comparison needs only the rules.
  class NoDrawing : public BoardPainter {
   public:
    void DrawFloor(int, int) override {}
    void DrawTile(int, int, int) override {}
    void DrawWall(int, int, bool, bool) override {}
    void DrawBorder() override {}
    void SaveBackground() override {}
    void RestoreCell(int, int) override {}
    void DrawCharacter(int, int, int) override {}
    void PresentBoard() override {}
    void EraseCell(int, int) override {}
    void DrawStageName(const std::string&) override {}
    void AnimateStep(int, int, int, int, int) override {}
    void AnimateClear(int, int) override {}
    void AnimateMiss(int, int) override {}
    void AnimateSink(int, int) override {}
    void AnimateRise(int, int, int) override {}
  };

  std::vector<std::string> lines_;
  NoDrawing painter_;
  test::RecordingWindow window_;
  Game game_{lines_, painter_, window_};
  // The same stage played without a screen, as the stage tool plays it: it must agree with the game.
  std::optional<rules::StagePlay> play_;
};

}  // namespace suispo::model
