// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage code [FILE] STAGE and decode CODE [-o FILE]: a stage as a share code, and back.
#include <iostream>

#include "core/files/file_replacement.h"
#include "core/files/share_code.h"
#include "core/files/stage_file.h"
#include "core/rules/builtin_stages.h"
#include "tools/commands.h"
#include "tools/output_file.h"
#include "tools/replay.h"
#include "tools/stage_file_reading.h"

namespace suispo::tool {

int CodeCommand(const Args& args) {
  if (args.size() != 1 && args.size() != 2) return Usage("suispo-stage code [FILE] STAGE");
  try {
    // Without a file, the built-in stages, as keys takes them.
    const std::vector<StageLine> lines = args.size() == 1 ? BuiltinStages() : ReadStages(args[0]);
    std::cout << ShareCode(lines[static_cast<std::size_t>(StageIndexOf(args.back(), lines.size()))]) << '\n';
  } catch (const std::exception& error) {
    return Fail(error.what());  // English: the game's own errors say what() in English
  }
  return 0;
}

int DecodeCommand(const Args& args) {
  const bool toFile = args.size() == 3 && args[1] == "-o";
  if (args.size() != 1 && !toFile) return Usage("suispo-stage decode CODE [-o FILE]");
  try {
    const StageLine line = DecodeShareCode(args[0]);
    if (!toFile) {
      std::cout << line << '\n';
      return 0;
    }
    // Appended as the game writes stage files: CR LF, the file's byte-order mark kept.
    const std::string& path = args[2];
    StageFileText file = IsMissing(path) ? StageFileText{} : ReadStagesText(path);
    file.lines.push_back(line);
    WriteOutputFile(path, StageText(file.lines, file.byteOrderMark));
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return 0;
}

}  // namespace suispo::tool
