// A stage written as text for the tests: six rows of cell codes, six rows of wall codes, the wall points.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/builtin_stages.h"
#include "core/game.h"
#include "recording_painter.h"

namespace suispo::test {

using Rows = std::array<std::string, 6>;

inline StageLine Stage(const Rows& cells, const Rows& walls, const std::string& mp = "00",
                       const std::string& name = "test") {
  StageLine line;
  for (const auto& row : cells) line += row;
  for (const auto& row : walls) line += row;
  return line + mp + "0" + name;
}

inline const Rows kNoWalls = {"000000", "000000", "000000", "000000", "000000", "000000"};

// A game on the given stage lines, started at the first one and ready for input.
struct Play {
  std::vector<StageLine> lines;
  RecordingPainter painter;
  RecordingWindow window;
  Game game{lines, painter, window};

  explicit Play(std::vector<StageLine> stageLines, int stage = 0) : lines(std::move(stageLines)) {
    game.stageIndex = stage;
    game.StartStage();
    game.inputReady = 1;
    painter.calls.clear();
    window.calls.clear();
  }

  Landing N() { return game.Slide(0, -1, kNorth); }
  Landing E() { return game.Slide(1, 0, kEast); }
  Landing S() { return game.Slide(0, 1, kSouth); }
  Landing W() { return game.Slide(-1, 0, kWest); }
  std::pair<int, int> At() const { return {game.playerX, game.playerY}; }
  int Cell(int x, int y) const { return game.board.cells[CellIndex(x, y)]; }
};

}  // namespace suispo::test
