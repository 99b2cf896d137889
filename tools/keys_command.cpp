// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage keys [FILE]: each stage's puzzle key and name, the rows a name table is made from.
#include <iostream>

#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"
#include "core/text/display_text.h"
#include "tools/commands.h"
#include "tools/shown_text.h"
#include "tools/stage_file_reading.h"

namespace suispo::tool {

int KeysCommand(const Args& args) {
  if (args.size() > 1) return Usage("suispo-stage keys [FILE]");
  try {
    // Without a file, the stages the game offers when it knows no stage file.
    const std::vector<StageLine> lines = args.empty() ? BuiltinStages() : ReadStages(args[0]);
    for (const StageLine& line : lines) {
      // A stage without its own start has no key before play: "-".
      std::cout << PuzzleKey(line).value_or("-") << '\t' << VisibleText(DisplayText(StageName(line))) << '\n';
    }
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return 0;
}

}  // namespace suispo::tool
