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
  bool allCleared = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const StageCheck check = CheckStage(lines[i]);
    allCleared = allCleared && check.Cleared();
    std::cout << CheckReport(json, i + 1, DisplayText(StageName(lines[i])), lines[i], check);
  }
  return allCleared ? 0 : 1;
}

}  // namespace suispo::tool
