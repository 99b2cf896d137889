// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The par of each built-in stage as the play screen searches it at a stage start: one whole search from
// the start, in wall-clock time; every stage's must be known within 100 ms.
#include <benchmark/benchmark.h>

#include "core/rules/builtin_stages.h"
#include "core/solver/solver.h"
#include "core/rules/stage_play.h"

namespace {

using namespace suispo;

void Par(benchmark::State& state) {
  rules::StagePlay play(BuiltinStages().at(static_cast<std::size_t>(state.range(0) - 1)));
  play.StartStage();
  SolveResult result;
  for (auto _ : state) {
    result = Solve(play);
    benchmark::DoNotOptimize(result.ops.data());
  }
  if (result.outcome != SolveOutcome::kSolved) state.SkipWithError("no par");
  state.counters["par"] = static_cast<double>(result.ops.size());
  state.counters["states"] = static_cast<double>(result.states);
}
BENCHMARK(Par)->ArgName("stage")->DenseRange(1, 5)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
