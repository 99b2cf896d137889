// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage generate: writes a stage file of new stages, easiest first.
#include <iostream>

#include "core/design/generator.h"
#include "core/files/stage_file.h"
#include "tools/commands.h"
#include "tools/output_file.h"

namespace suispo::tool {

namespace {

// 1 to 64 threads, as --threads gives them.
int ThreadCount(const std::string& value) {
  const bool digits = !value.empty() && value.size() <= 2 && value.find_first_not_of("0123456789") == std::string::npos;
  const int threads = digits ? std::stoi(value) : 0;
  if (threads < 1 || threads > 64) throw std::invalid_argument("--threads takes 1 to 64, not " + value);
  return threads;
}

}  // namespace

int GenerateCommand(const Args& given) {
  Args args = given;
  const bool verbose = std::erase(args, "--verbose") > 0;
  std::string out;
  GenerateHooks hooks;
  try {
    // -o and --threads are the tool's; the rest are the generator's options. The threads change only
    // the time a set takes, never its stages.
    Args options;
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (args[i] != "-o" && args[i] != "--threads") {
        options.push_back(args[i]);
      } else if (i + 1 >= args.size()) {
        throw std::invalid_argument(args[i] + " needs a value");
      } else if (args[i] == "-o") {
        out = args[++i];
      } else {
        hooks.threads = ThreadCount(args[++i]);
      }
    }
    const GenerateOptions o = ReadOptions(options);
    if (out.empty()) throw std::invalid_argument("no output file: -o FILE");
    const GenerateReport report = GenerateStages(o, hooks);
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
