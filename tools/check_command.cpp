// suispo-stage check: every stage of a file, with its verdict, its problems and its par.
#include <iostream>

#include "core/display_text.h"
#include "core/stage_file.h"
#include "tools/commands.h"
#include "tools/stage_file_reading.h"
#include "tools/shown_text.h"
#include "tools/stage_check.h"

namespace suispo::tool {

namespace {

const char* Verdict(const StageCheck& c) { return !c.errors.empty() ? "error" : !c.warnings.empty() ? "warning" : "ok"; }

std::string JsonList(const std::vector<std::string>& texts) {
  std::string json;
  for (const std::string& text : texts) json += (json.empty() ? "" : ",") + JsonString(text);
  return "[" + json + "]";
}

void Report(bool json, std::size_t number, const std::string& name, const StageCheck& c) {
  if (json) {
    std::cout << "{\"stage\":" << number << ",\"name\":" << JsonString(name) << ",\"verdict\":\"" << Verdict(c)
              << "\",\"errors\":" << JsonList(c.errors) << ",\"warnings\":" << JsonList(c.warnings);
    if (c.best) std::cout << ",\"par\":" << c.best->ops.size() << ",\"moves\":" << c.best->moves << ",\"walls\":" << c.best->walls;
    std::cout << "}\n";
    return;
  }
  std::cout << number << " " << VisibleText(name) << ": " << Verdict(c);
  if (c.best) {
    std::cout << ", par " << c.best->ops.size() << " (" << c.best->moves << (c.best->moves == 1 ? " move, " : " moves, ")
              << c.best->walls << (c.best->walls == 1 ? " wall)" : " walls)");
  }
  std::cout << "\n";
  for (const std::string& text : c.errors) std::cout << "  error: " << VisibleText(text) << "\n";
  for (const std::string& text : c.warnings) std::cout << "  warning: " << VisibleText(text) << "\n";
}

}  // namespace

int CheckCommand(const Args& given) {
  Args args = given;
  const bool json = TakeLeadingFlag(args, "--json");
  if (args.size() != 1) return Usage("suispo-stage check [--json] FILE");
  std::vector<StageLine> lines;
  try {
    lines = ReadStages(args[0]);
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  bool allCleared = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const StageCheck check = CheckStage(lines[i]);
    allCleared = allCleared && check.Cleared();
    Report(json, i + 1, DisplayText(StageName(lines[i])), check);
  }
  return allCleared ? 0 : 1;
}

}  // namespace suispo::tool
