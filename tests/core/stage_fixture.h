// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A game for the rules' tests on stages written as text, drawing into a recording painter.
#pragma once

#include <string>
#include <vector>

#include "core/rules/builtin_stages.h"
#include "core/game/game.h"
#include "tests/support/recording_cues.h"
#include "tests/support/recording_painter.h"
#include "tests/support/stage_builder.h"

namespace suispo::test {

// A game on the given stage lines, started at the first one and ready for input.
struct Play {
  std::vector<StageLine> lines;
  RecordingPainter painter;
  RecordingWindow window;
  RecordingCues sound{painter.calls};
  Game game{lines, painter, window};

  explicit Play(std::vector<StageLine> stageLines, int stage = 0) : lines(std::move(stageLines)) {
    game.SetSoundCues(sound);
    game.stageIndex = stage;
    game.StartStage();
    game.inputReady = 1;
    painter.calls.clear();
    window.calls.clear();
    sound.Clear();
  }

  Landing N() { return game.Slide(0, -1, kNorth); }
  Landing E() { return game.Slide(1, 0, kEast); }
  Landing S() { return game.Slide(0, 1, kSouth); }
  Landing W() { return game.Slide(-1, 0, kWest); }
  std::pair<int, int> At() const { return {game.playerX, game.playerY}; }
  int Cell(int x, int y) const { return game.board.cells[CellIndex(x, y)]; }
};

}  // namespace suispo::test
