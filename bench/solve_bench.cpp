// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Solves the five built-in stages to proof of optimality, beside the start and one full play of each
// through the core, and prints CPU time, peak memory, states stored and nanoseconds per stored state.
#include <sys/resource.h>

#include <cstdio>
#include <ctime>

#include "core/rules/builtin_stages.h"
#include "core/solver/solver.h"
#include "core/rules/stage_play.h"

namespace {

using namespace suispo;

double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main() {
  double solveMs = 0, playMs = 0;
  std::size_t states = 0;
  std::printf("%-6s %6s %10s %10s %10s %9s\n", "stage", "length", "states", "solve ms", "ns/state", "play ms");
  const std::vector<StageLine> stages = BuiltinStages();
  for (std::size_t i = 0; i < stages.size(); ++i) {
    double begin = CpuMs();
    rules::StagePlay play(stages[i]);
    play.StartStage();
    const SolveResult r = Solve(play);
    const double solved = CpuMs() - begin;
    // The start and one full play of the solution, operation by operation, through the core.
    begin = CpuMs();
    rules::StagePlay again(stages[i]);
    again.StartStage();
    bool cleared = false;
    for (const SolverOp& op : r.ops) {
      if (op.wall) again.PlaceWall(op.direction);
      else cleared = again.Slide(op.direction).landing == Landing::kCleared;
    }
    const double played = CpuMs() - begin;
    if (r.outcome != SolveOutcome::kSolved || !cleared) {
      std::fprintf(stderr, "stage %zu: no clear\n", i + 1);
      return 1;
    }
    std::printf("%-6zu %6zu %10zu %10.2f %10.0f %9.4f\n", i + 1, r.ops.size(), r.states, solved,
                solved * 1e6 / static_cast<double>(r.states), played);
    solveMs += solved;
    playMs += played;
    states += r.states;
  }
  const double total = solveMs + playMs;
  std::printf("total: %.1f ms CPU (solving %.1f, playing %.3f), %zu states, %.0f ns/state, peak memory %.1f MiB\n",
              total, solveMs, playMs, states, solveMs * 1e6 / static_cast<double>(states), PeakKiB() / 1024.0);
  const bool met = total < 100 && PeakKiB() < 128 * 1024;
  std::printf("targets: under 100 ms CPU (aim 30 ms), under 128 MiB: %s\n", met ? "met" : "NOT met");
  return met ? 0 : 1;
}
