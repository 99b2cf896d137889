// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A board view over the tests' atlas, recording its frames, and a game that draws through it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/game/game.h"
#include "tests/support/recording_painter.h"
#include "tests/support/stage_builder.h"
#include "tests/view/recording_surface.h"
#include "tests/view/test_pictures.h"
#include "view/board_geometry.h"
#include "view/board_view.h"

namespace suispo::test {

// An empty board with the character at (2,5).
inline const StageLine kOpenBoard = StageOf(R"(
    +---+---+---+---+---+---+
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .  [.]  .   .   . |
    +---+---+---+---+---+---+)", "01", "T");

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() { recorder.view = &view; }

  // Starts a one-stage game from its line and makes it ready for input; the record starts afresh.
  void Start(const StageLine& line) {
    stages = {line};
    game.StartStage();
    game.inputReady = 1;
    recorder.calls.clear();
    recorder.frames.clear();
  }

  static QRect CellRect(int x, int y) { return QRect(CellOrigin(x), CellOrigin(y), kCellSide, kCellSide); }
  // A board-image rectangle where the surface shows it.
  static QRect OnSurface(const QRect& r) { return r.translated(16, 45); }

  QImage atlas = TestAtlas();
  RecordingSurface recorder;
  BoardView view{atlas, TestBackground(), recorder, recorder};
  std::vector<StageLine> stages;
  RecordingWindow window;
  Game game{stages, view, window};
};

}  // namespace suispo::test
