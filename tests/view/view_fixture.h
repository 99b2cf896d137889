// A board view over the tests' atlas, recording its frames, and a game that draws through it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/board_geometry.h"
#include "core/game.h"
#include "tools/replay.h"
#include "recording_surface.h"
#include "test_pictures.h"
#include "view/board_view.h"

namespace suispo::test {

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
  tool::QuietWindow window;
  Game game{stages, view, window};
};

// A board of 36 cells (row by row), 36 wall codes, then wall points, the cleared flag and the name.
inline StageLine Line(const std::string& cells, const std::string& walls, const std::string& tail = "010T") {
  return cells + walls + tail;
}

inline const std::string kNoWalls(36, '0');

}  // namespace suispo::test
