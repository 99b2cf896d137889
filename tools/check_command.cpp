// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage check: every stage of a file, with its verdict, its problems and its par.
#include <iostream>

#include "core/files/stage_file.h"
#include "core/text/display_text.h"
#include "tools/check_report.h"
#include "tools/commands.h"
#include "tools/stage_file_reading.h"

namespace suispo::tool {

int CheckCommand(const Args& given) {
  Args args = given;
  const bool json = TakeLeadingFlag(args, "--json");
  if (args.size() != 1) return Usage("suispo-stage check [--json] FILE");
  std::vector<StageLine> lines;
  try {
    lines = ReadStages(args[0]);
  } catch (const std::exception& e) {
    return Fail(e);
  }
  // A file of no stage checks nothing: an error, not a pass.
  if (lines.empty()) return Fail(args[0] + ": no stage in the file");
  // Every stage is solved before any is reported: a stage's report names the later stages alike with it.
  std::vector<StageCheck> checks;
  std::vector<std::vector<SolverOp>> clears;
  std::vector<std::size_t> stageOfClear;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    checks.push_back(CheckStage(lines[i]));
    if (checks.back().Cleared()) {
      clears.push_back(checks.back().best->ops);
      stageOfClear.push_back(i);
    }
  }
  std::vector<AlikePair> pairs = AlikePairs(clears);
  std::vector<AlikeStages> alike(lines.size());
  for (AlikePair& p : pairs) {
    p.first = stageOfClear[p.first];
    p.second = stageOfClear[p.second];
    alike[p.first].push_back({p.second + 1, p.run});
    alike[p.second].push_back({p.first + 1, p.run});
  }
  bool allCleared = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    allCleared = allCleared && checks[i].Cleared();
    std::cout << CheckReport(json, i + 1, DisplayText(StageName(lines[i])), lines[i], checks[i], kDefaultStateLimit,
                             alike[i]);
  }
  if (!json) std::cout << AlikeReport(pairs);
  return allCleared ? 0 : 1;
}

}  // namespace suispo::tool
