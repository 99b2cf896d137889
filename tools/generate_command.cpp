// suispo-stage generate: writes a stage file of new stages, easiest first.
#include "core/stage_file.h"
#include "tools/commands.h"
#include "tools/output_file.h"
#include "tools/replay.h"
#include "tools/stage_generator.h"

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

}  // namespace

int GenerateCommand(const Args& args) {
  GenerateOptions options;
  std::string out;
  bool maxGiven = false;
  try {
    for (std::size_t i = 0; i < args.size(); ++i) {
      const std::string& a = args[i];
      if (i + 1 >= args.size()) throw std::invalid_argument(a == "-o" || a.starts_with("--") ? a + " needs a value" : "unexpected '" + a + "'");
      const std::string& value = args[++i];
      if (a == "-o") out = value;
      else if (a == "--count") options.count = Count(value);
      else if (a == "--seed") options.seed = static_cast<std::uint32_t>(Number(a, value));
      else if (a == "--min-par") options.minPar = Number(a, value);
      else if (a == "--max-par") {
        options.maxPar = Number(a, value);
        maxGiven = true;
      }
      else throw std::invalid_argument("unexpected '" + a + "'");
    }
    if (out.empty()) throw std::invalid_argument("no output file: -o FILE");
    if (!maxGiven && options.maxPar < options.minPar) options.maxPar = options.minPar + 10;
    WriteOutputFile(out, StageText(GenerateStages(options)));
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  return 0;
}

}  // namespace suispo::tool
