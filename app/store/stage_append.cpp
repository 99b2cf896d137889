// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Adding a stage to a stage file through the player's own file, as a clear saves it.
#include "app/store/stage_append.h"

#include "app/store/file_paths.h"
#include "app/store/stage_file_name.h"
#include "core/files/file_replacement.h"
#include "core/files/own_file.h"
#include "core/files/stage_file.h"

namespace suispo {

void AppendStage(const std::string& path, const StageLine& line) {
  const std::string name = BareName(path);
  const OwnFile file(path, false, false);
  switch (file.state()) {
    case OwnFileState::kOpen: break;
    case OwnFileState::kReadOnly: throw GameError(MessageId::kReadOnly, {name});
    default: throw GameError(MessageId::kChangedSinceRead, {name});
  }
  std::vector<StageLine> lines = ParseStageText(file.bytes(), name);
  if (lines.size() >= kMaxStageLines) throw StageFileError(StageFileError::Problem::kTooManyLines, name);
  lines.push_back(line);
  if (!file.Replace(StageText(lines, StartsWithByteOrderMark(file.bytes())))) {
    throw GameError(MessageId::kCannotCreateFile, {name});
  }
}

std::string NewStageFile(const std::string& folder, const std::string& prefix, const LocalTime& time,
                         const StageLine& line) {
  std::string stem = prefix + GeneratedStageFileName(time);
  stem.resize(stem.size() - 4);  // without ".ssp"
  if (MakeFolders(folder)) {
    for (int n = 1; n <= 100; ++n) {
      const std::string path = folder + stem + (n == 1 ? "" : " " + std::to_string(n)) + ".ssp";
      const CreateResult made = CreateFileAt(path, StageText({line}));
      if (made == CreateResult::kCreated) return path;
      if (made == CreateResult::kFailed) break;
    }
  }
  throw GameError(MessageId::kCannotCreateFile, {stem + ".ssp"});
}

}  // namespace suispo
