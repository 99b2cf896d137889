// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage list FILE: each stage's number, cleared mark and name, in UTF-8.
#include <iostream>

#include "core/text/display_text.h"
#include "core/text/game_error.h"
#include "core/files/stage_file.h"
#include "core/rules/stage_line.h"
#include "tools/commands.h"
#include "tools/stage_file_reading.h"
#include "tools/shown_text.h"

namespace suispo::tool {

int ListCommand(const Args& args) {
  if (args.size() != 1) return Usage("suispo-stage list FILE");
  try {
    const std::vector<StageLine> lines = ReadStages(args[0]);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::cout << i + 1 << ' ' << (IsCleared(lines[i]) ? "☆" : " ") << ' '
                << VisibleText(DisplayText(StageName(lines[i]))) << '\n';
    }
  } catch (const std::exception& error) {
    return Fail(error);
  }
  return 0;
}

}  // namespace suispo::tool
