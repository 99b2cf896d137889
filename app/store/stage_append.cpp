// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Adding a stage to a stage file through the player's own file, as a clear saves it.
#include "app/store/stage_append.h"

#include "app/store/file_paths.h"
#include "app/store/stage_file_name.h"
#include "app/store/stage_lines_found.h"
#include "core/files/file_replacement.h"
#include "core/files/own_file.h"
#include "core/files/stage_file.h"

namespace suispo {

void AppendStage(const std::string& path, const StageLine& line) {
  const std::string name = BareName(path);
  const OwnSave save = SaveOwnFile(path, false, false, std::nullopt, [&](const std::string& bytes) {
    std::vector<StageLine> lines = ParseStageText(bytes, name);
    if (lines.size() >= kMaxStageLines) throw StageFileError(StageFileError::Problem::kTooManyLines, name);
    lines.push_back(line);
    return StageText(lines, StartsWithByteOrderMark(bytes));
  });
  ThrowUnlessSaved(save, name);
}

std::string NewStageFile(const std::string& folder, const std::string& prefix, const LocalTime& time,
                         const StageLine& line) {
  std::string stem = prefix + GeneratedStageFileName(time);
  stem.resize(stem.size() - 4);  // without ".ssp"
  for (int n = 1; n <= 100; ++n) {
    const std::string path = folder + stem + (n == 1 ? "" : " " + std::to_string(n)) + ".ssp";
    const WriteResult made = WriteFileAt(path, StageText({line}), {.create = true, .makeFolders = true});
    if (made == WriteResult::kWritten) return path;
    if (made != WriteResult::kExists) {
      throw WriteProblem(made, BareName(path)).value_or(GameError(MessageId::kCannotCreateFile, {BareName(path)}));
    }
  }
  throw GameError(MessageId::kCannotCreateFile, {stem + ".ssp"});
}

}  // namespace suispo
