// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage generate: writes a stage file of new stages, easiest first.
#include <iostream>

#include "core/files/stage_file.h"
#include "core/design/generator.h"
#include "core/design/measure.h"
#include "tools/commands.h"
#include "tools/output_file.h"
#include "tools/replay.h"

namespace suispo::tool {

namespace {

int Number(const std::string& option, const std::string& text) {
  const std::optional<int> value = WholeNumber(text);
  if (!value) throw std::invalid_argument(option + " takes a number, not '" + text + "'");
  return *value;
}

// From one stage to as many as a stage file may hold, so the tools can read what they write.
int Count(const std::string& text) {
  const int count = Number("--count", text);
  if (count < 1 || static_cast<std::size_t>(count) > kMaxStageLines) {
    throw std::invalid_argument("--count takes 1 to " + std::to_string(kMaxStageLines) + ", not " + text);
  }
  return count;
}

// "walls" (walls alone), or mechanic names joined by "+"; sets apart by ",": "arrows,holes+warps".
std::vector<unsigned> MechanicSets(const std::string& text) {
  std::vector<unsigned> sets;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = std::min(text.find(',', from), text.size());
    const std::string set = text.substr(from, end - from);
    unsigned bits = 0;
    std::size_t at = 0;
    while (set != "walls" && at <= set.size()) {
      const std::size_t plus = std::min(set.find('+', at), set.size());
      const std::string name = set.substr(at, plus - at);
      unsigned bit = 0;
      for (unsigned b = 1; b <= 8; b <<= 1) {
        if (MechanicNames(b) == name) bit = b;
      }
      if (bit == 0) throw std::invalid_argument("--mechanics: no mechanic '" + name + "' (walls, holes, arrows, warps, marked)");
      bits |= bit;
      at = plus + 1;
    }
    sets.push_back(bits);
    from = end + 1;
  }
  return sets;
}

}  // namespace

int GenerateCommand(const Args& given) {
  Args args = given;
  std::erase(args, "--verbose");
  const bool verbose = args.size() != given.size();
  std::string out;
  try {
    // The preset comes first, so that the options after it adjust it.
    GenerateOptions options;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
      if (args[i] != "--preset") continue;
      StagePreset preset;
      if (!PresetByName(args[i + 1], preset)) {
        throw std::invalid_argument("--preset takes beginner, normal, hard or expert, not '" + args[i + 1] + "'");
      }
      options = PresetOptions(preset, options.count, options.seed);
    }
    bool maxGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
      const std::string& a = args[i];
      if (i + 1 >= args.size()) throw std::invalid_argument(a == "-o" || a.starts_with("--") ? a + " needs a value" : "unexpected '" + a + "'");
      const std::string& value = args[++i];
      if (a == "-o") out = value;
      else if (a == "--preset") continue;
      else if (a == "--count") options.count = Count(value);
      else if (a == "--seed") options.seed = static_cast<std::uint32_t>(Number(a, value));
      else if (a == "--min-par") options.minPar = Number(a, value);
      else if (a == "--max-par") {
        options.maxPar = Number(a, value);
        maxGiven = true;
      }
      else if (a == "--mechanics") options.mechanicSets = MechanicSets(value);
      else if (a == "--keys") options.maxKeys = Number(a, value);
      else if (a == "--wall-points") options.maxWallPoints = Number(a, value);
      else if (a == "--free-kinds") options.freeKinds = value == "1";
      else if (a == "--name") options.namePrefix = value;
      else throw std::invalid_argument("unexpected '" + a + "'");
    }
    if (out.empty()) throw std::invalid_argument("no output file: -o FILE");
    if (!maxGiven && options.maxPar < options.minPar) options.maxPar = options.minPar + 10;
    if (options.count < 0 || options.minPar < 1 || options.maxPar < options.minPar) {
      throw std::invalid_argument("no stage can meet those limits");
    }
    const GenerateReport report = GenerateStages(options);
    if (verbose) {
      std::cerr << "candidates tried " << report.tried << ", accepted " << report.accepted << ", stages "
                << report.lines.size() << "\n";
    }
    if (report.gaveUp) {
      throw std::runtime_error("no stage came near a par of " + std::to_string(options.minPar) + " (the highest in " +
                               std::to_string(report.tried) + " tries was " + std::to_string(report.highestPar) +
                               "); try a lower --min-par");
    }
    if (static_cast<int>(report.lines.size()) < options.count) {
      throw std::runtime_error("only " + std::to_string(report.lines.size()) + " stages with a par from " +
                               std::to_string(options.minPar) + " to " + std::to_string(options.maxPar) + " turned up");
    }
    WriteOutputFile(out, StageText(report.lines));
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  return 0;
}

}  // namespace suispo::tool
