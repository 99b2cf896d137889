// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's save into the stage's own file: its line replaced as a clear's save would mark it.
#include "app/store/file_paths.h"
#include "app/store/stage_file_name.h"
#include "app/store/stage_lines_found.h"
#include "app/store/stage_store.h"
#include "core/files/file_replacement.h"
#include "core/files/own_file.h"
#include "core/files/stage_file.h"

namespace suispo {

int StageStore::ReplaceStage(int stageIndex, const StageLine& edited) {
  if (stageIndex < 0 || static_cast<std::size_t>(stageIndex) >= dataList.size()) return stageIndex;
  const auto index = static_cast<std::size_t>(stageIndex);
  const std::string path = saveFolder_ + dataFileName;
  if (!onDisk_) {
    std::vector<StageLine> lines = dataList;
    lines[index] = edited;
    SaveNewFile(path, std::move(lines));
    return stageIndex;
  }
  // As a clear's save: the file as it is now, every other line as others left it.
  std::vector<StageLine> lines;
  bool byteOrderMark = false;
  std::size_t at = index;
  const OwnSave save =
      SaveOwnFile(path, readFile_ && readFile_->link, false, savedStamp_, [&](const std::string& bytes) {
        lines = ParseStageText(bytes, dataFileName);
        byteOrderMark = StartsWithByteOrderMark(bytes);
        const auto found = FindStage(lines, dataList[index], index);
        if (!found) throw ChangedSinceRead(dataFileName);
        at = *found;
        for (const StageLine& line : unsavedClears_) {
          if (const auto cleared = FindStage(lines, line, at)) lines[*cleared] = MarkedCleared(lines[*cleared]);
        }
        lines[at] = edited;
        return StageText(lines, byteOrderMark);
      });
  ThrowUnlessSaved(save, dataFileName);
  dataList = std::move(lines);
  byteOrderMark_ = byteOrderMark;
  Saved(path);
  return static_cast<int>(at);
}

}  // namespace suispo
