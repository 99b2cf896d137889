// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Measures one slide sub-step of the board view and a board build against a plain memcpy of the board,
// and prints how the sub-step compares (it must cost at most 1.6 times the copy).
#include <benchmark/benchmark.h>

#include <QPainter>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <map>
#include <random>
#include <vector>

#include "assets/atlas_map.h"
#include "assets/pictures.h"
#include "core/game/board_build.h"
#include "core/rules/builtin_stages.h"
#include "core/rules/play_state.h"
#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/unwatched_surface.h"

namespace {

using namespace suispo;

// The naive copy's pictures: its cost does not depend on what they show.
QImage Noise(int w, int h) {
  std::mt19937 random(7);
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(random() & 0xff, random() & 0xff, random() & 0xff));
  return image;
}

// The game's pictures (at a painted scale) in a view with the warp stage built on it.
struct Bench {
  explicit Bench(int scale = 1)
      : view(assets::ReadPicture(assets::kAtlas, scale), assets::ReadPicture(assets::kBackground, scale), clock, screen) {
    LoadBoard();
  }
  NoWaitClock clock;
  NoScreen screen;
  BoardView view;
  StageLine warpLine = BuiltinStages()[2];
  PlayState state;
  // What the game's LoadBoard does: the board text read, the board built.
  void LoadBoard() {
    rules::LoadBoard(warpLine, state);
    BuildBoard(state.board, view);
  }
};

void PlainCopy(benchmark::State& state) {
  std::vector<std::uint32_t> board(kBoardPixels * kBoardPixels, 0x00ff8040u);
  std::vector<std::uint32_t> surface(atlas::kSurfaceWidth * atlas::kSurfaceHeight);
  for (auto _ : state) {
    for (int y = 0; y < kBoardPixels; ++y) {
      std::memcpy(&surface[(y + 45) * atlas::kSurfaceWidth + 16], &board[y * kBoardPixels], kBoardPixels * 4);
    }
    benchmark::DoNotOptimize(surface.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlainCopy);

// Sub-steps of one cell to the east and back, as a slide draws them, until the state is done.
void DrawSlideSubSteps(benchmark::State& state, Bench& b) {
  const int top = CellOrigin(2);
  int i = 0;
  for (auto _ : state) {
    const int from = CellOrigin(1) + 12 * (i % 4);
    b.view.RestoreSquare(from, top);
    b.view.DrawCharacterAt(from + 12, top, kEast);
    b.view.PresentBoard();
    benchmark::DoNotOptimize(b.view.surface().constBits());
    ++i;
  }
}

void SlideSubStep(benchmark::State& state) {
  Bench b;
  DrawSlideSubSteps(state, b);
}
BENCHMARK(SlideSubStep);

// One slide frame at the scale of the argument (1, 2, 3): the same drawing as SlideSubStep, and the
// memory the view's four images take at that scale.
void ScaledSlideFrame(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  Bench b(scale);
  DrawSlideSubSteps(state, b);
  const qsizetype bytes = b.view.surface().sizeInBytes() + b.view.workingBoard().sizeInBytes() +
                          b.view.backgroundBoard().sizeInBytes() +
                          assets::ReadPicture(assets::kAtlas, scale).convertToFormat(QImage::Format_RGB32).sizeInBytes();
  state.counters["image_KiB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(ScaledSlideFrame)->Arg(1)->Arg(2)->Arg(3);

void BoardBuild(benchmark::State& state) {
  Bench b;
  for (auto _ : state) {
    b.LoadBoard();
    benchmark::DoNotOptimize(b.view.backgroundBoard().constBits());
  }
}
BENCHMARK(BoardBuild);

// For comparison: the same board copy through a QPainter made for it, as a naive view would do it.
void PainterPresent(benchmark::State& state) {
  const QImage board = Noise(kBoardPixels, kBoardPixels);
  QImage surface = Noise(atlas::kSurfaceWidth, atlas::kSurfaceHeight);
  for (auto _ : state) {
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(16, 45), board);
    painter.end();
    benchmark::DoNotOptimize(surface.constBits());
  }
}
BENCHMARK(PainterPresent);

// Keeps the CPU time per iteration of each run so the ratio can be printed at the end. CPU time,
// because other work on a busy machine stretches wall-clock times at random.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // With repetitions the median stands for the benchmark; without, the one run does.
    for (const Run& run : runs) {
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (single || median) perIteration[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> perIteration;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const auto copy = reporter.perIteration.find("PlainCopy");
  const auto step = reporter.perIteration.find("SlideSubStep");
  if (copy != reporter.perIteration.end() && step != reporter.perIteration.end()) {
    const double ratio = step->second / copy->second;
    std::cout << "slide sub-step / plain copy: " << ratio << (ratio <= 1.6 ? " (within 1.6)" : " (OVER 1.6)") << '\n';
    return ratio <= 1.6 ? 0 : 1;
  }
  return 0;  // a filter left one of the two out
}
