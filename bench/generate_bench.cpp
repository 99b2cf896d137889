// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Ten new stages of each preset, as the game's 新しいステージを作る… makes them, on one thread and on
// two (the aim on two cores: むずかしい under 8 s, 達人 under 15 s), with the candidates tried per stage.
#include <benchmark/benchmark.h>

#include "core/design/generator.h"

namespace {

using suispo::StagePreset;

void MakeTen(benchmark::State& state) {
  const auto preset = static_cast<StagePreset>(state.range(0));
  const int threads = static_cast<int>(state.range(1));
  std::uint32_t seed = 1;
  int tried = 0;
  for (auto _ : state) {
    const suispo::GenerateReport report =
        suispo::GenerateStages(suispo::PresetOptions(preset, 10, seed++), {.threads = threads});
    benchmark::DoNotOptimize(report.lines.data());
    tried += report.tried;
  }
  state.counters["candidates per stage"] = benchmark::Counter(tried / 10.0, benchmark::Counter::kAvgIterations);
}

BENCHMARK(MakeTen)
    ->ArgNames({"preset", "threads"})
    ->ArgsProduct({{0, 1, 2, 3}, {1, 2}})
    ->Iterations(3)
    ->Unit(benchmark::kSecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
