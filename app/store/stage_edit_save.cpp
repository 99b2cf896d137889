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

namespace {

// The player's own stage file as it is now, opened for a save; refuses anything else.
void RefuseUnlessOpen(const OwnFile& file, const std::string& name) {
  switch (file.state()) {
    case OwnFileState::kOpen: return;
    case OwnFileState::kReadOnly: throw GameError(MessageId::kReadOnly, {name});
    default: throw ChangedSinceRead(name);
  }
}

}  // namespace

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
  const OwnFile file(path, readFile_ && readFile_->link, false);
  RefuseUnlessOpen(file, dataFileName);
  std::vector<StageLine> lines = ParseStageText(file.bytes(), dataFileName);
  const bool byteOrderMark = StartsWithByteOrderMark(file.bytes());
  const auto at = FindStage(lines, dataList[index], index);
  if (!at) throw ChangedSinceRead(dataFileName);
  for (const StageLine& line : unsavedClears_) {
    if (const auto cleared = FindStage(lines, line, *at)) lines[*cleared] = MarkedCleared(lines[*cleared]);
  }
  lines[*at] = edited;
  if (!file.Replace(StageText(lines, byteOrderMark))) throw GameError(MessageId::kCannotCreateFile, {dataFileName});
  dataList = std::move(lines);
  byteOrderMark_ = byteOrderMark;
  Saved(path);
  return static_cast<int>(*at);
}

}  // namespace suispo
