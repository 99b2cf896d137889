// suispo-stage generate: writes a stage file of new stages, easiest first.
#include <fstream>

#include "core/stage_file.h"
#include "tools/commands.h"
#include "tools/replay.h"
#include "tools/stage_generator.h"

namespace suispo::tool {

namespace {

int Number(const std::string& option, const std::string& text) {
  const std::optional<int> value = WholeNumber(text);
  if (!value) throw std::invalid_argument(option + " takes a number, not '" + text + "'");
  return *value;
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
      else if (a == "--count") options.count = Number(a, value);
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
    const std::string text = StageText(GenerateStages(options));
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    if (!(file << text) || !file.flush()) throw std::runtime_error("cannot write " + out);
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  return 0;
}

}  // namespace suispo::tool
