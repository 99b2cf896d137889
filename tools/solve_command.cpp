// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage solve: replays operations on a stage, then prints the shortest way to clear it from there.
#include <chrono>
#include <cstdio>
#include <iostream>

#include "core/text/display_text.h"
#include "core/solver/solver.h"
#include "core/files/stage_file.h"
#include "tools/commands.h"
#include "tools/shown_text.h"
#include "tools/replay.h"

namespace suispo::tool {

namespace {

void Report(bool json, int stage, const SolveResult& r, double ms) {
  const std::string states = std::to_string(r.states);
  if (json) {
    std::cout << "{\"stage\":" << stage;
    if (r.outcome == SolveOutcome::kSolved) {
      std::cout << ",\"solvable\":true,\"length\":" << r.ops.size() << ",\"moves\":" << r.moves
                << ",\"walls\":" << r.walls << ",\"ops\":[" << OpsText(r.ops, true) << "]";
    } else {
      std::cout << ",\"solvable\":" << (r.outcome == SolveOutcome::kStopped ? "null" : "false")
                << ",\"reason\":" << JsonString(r.reason);
    }
    std::cout << ",\"states\":" << states << "}\n";
    return;
  }
  char time[32];
  std::snprintf(time, sizeof time, "%.1f ms", ms);
  if (r.outcome == SolveOutcome::kSolved) {
    std::cout << "solution: " << (r.ops.empty() ? "(cleared already)" : OpsText(r.ops, false)) << "\n"
              << "length " << r.ops.size() << ": " << r.moves << (r.moves == 1 ? " move, " : " moves, ") << r.walls
              << (r.walls == 1 ? " wall\n" : " walls\n");
  } else {
    std::cout << (r.outcome == SolveOutcome::kStopped ? "not decided: " : "no solution: ") << r.reason << "\n";
  }
  std::cout << states << " states stored in " << time << "\n";
}

}  // namespace

int SolveCommand(const Args& given) {
  Args args = given;
  const bool json = TakeLeadingFlag(args, "--json");
  if (args.size() < 2) return Usage("suispo-stage solve [--json] FILE STAGE [OP ...]");
  try {
    const StageRequest request = OpenStage(args);
    rules::StagePlay play(request.line());
    play.StartStage();
    const bool cleared = ReplayOps(play, request.ops);
    const int stage = request.stage;
    if (!json) {
      std::cout << "stage " << stage + 1 << ": " << VisibleText(DisplayText(StageName(request.line()))) << "\n";
    }
    const auto begin = std::chrono::steady_clock::now();
    SolveResult result;
    if (cleared) result.outcome = SolveOutcome::kSolved;  // nothing left to do
    else result = Solve(play);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    Report(json, stage + 1, result, ms);
    return result.outcome == SolveOutcome::kSolved ? 0 : 1;
  } catch (const std::exception& e) {
    return Fail(e);
  }
}

}  // namespace suispo::tool
