// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage generate: writes a stage file of new stages, easiest first.
#include <iostream>

#include "core/design/generator.h"
#include "core/files/stage_file.h"
#include "tools/commands.h"
#include "tools/output_file.h"

namespace suispo::tool {

int GenerateCommand(const Args& given) {
  Args args = given;
  const bool verbose = std::erase(args, "--verbose") > 0;
  std::string out;
  try {
    // -o is the tool's; the rest are the generator's options.
    Args options;
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (args[i] != "-o") {
        options.push_back(args[i]);
      } else if (i + 1 < args.size()) {
        out = args[++i];
      } else {
        throw std::invalid_argument("-o needs a value");
      }
    }
    const GenerateOptions o = ReadOptions(options);
    if (out.empty()) throw std::invalid_argument("no output file: -o FILE");
    const GenerateReport report = GenerateStages(o);
    if (verbose) {
      std::cerr << "candidates tried " << report.tried << ", accepted " << report.accepted << ", stages "
                << report.lines.size() << ", highest par " << report.highestPar << "\n";
    }
    if (report.gaveUp) {
      throw std::runtime_error("no stage came near a par of " + std::to_string(o.minPar) + " (the highest in " +
                               std::to_string(report.tried) + " tries was " + std::to_string(report.highestPar) +
                               "); try a lower --min-par");
    }
    if (static_cast<int>(report.lines.size()) < o.count) {
      throw std::runtime_error("only " + std::to_string(report.lines.size()) + " stages with a par from " +
                               std::to_string(o.minPar) + " to " + std::to_string(o.maxPar) + " turned up");
    }
    WriteOutputFile(out, StageText(report.lines));
  } catch (const std::exception& e) {
    return Fail(e);
  }
  return 0;
}

}  // namespace suispo::tool
