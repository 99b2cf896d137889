// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Noting clears against the star rule, and merging them into the records file under its lock.
#include "app/store/play_records.h"

#include "app/store/file_paths.h"
#include "core/files/file_replacement.h"
#include "core/files/own_file.h"
#include "core/files/regular_file.h"
#include "core/text/game_error.h"

namespace suispo {

std::string RecordsFileBeside(const std::string& settingsFile) {
  return FolderOf(settingsFile) + "suispo-records.txt";
}

void PlayRecords::Read() {
  const std::optional<FileIdentity> identity = IdentityOf(path_);
  pathWasLink_ = identity && identity->link;
  const std::optional<std::string> bytes = ReadWholeFile(path_);
  records_ = bytes ? ReadRecordsText(*bytes).records : RecordMap{};
  for (const auto& [key, record] : unsaved_) MergeInto(records_, key, record);
}

std::optional<StageRecord> PlayRecords::Find(const std::optional<std::string>& key) const {
  if (!key) return std::nullopt;
  const auto found = records_.find(*key);
  if (found == records_.end()) return std::nullopt;
  return found->second;
}

ClearVerdict PlayRecords::Note(const std::optional<std::string>& key, int moves, std::optional<int> par,
                               bool hinted) {
  ClearVerdict verdict;
  verdict.moves = moves;
  verdict.par = par;
  const bool atPar = par && moves <= *par;
  verdict.star = atPar && !hinted;
  verdict.hintWithheldStar = atPar && hinted;
  const StageRecord clear{moves, verdict.star};
  if (!key) {
    verdict.record = clear;
    return verdict;
  }
  const auto known = records_.find(*key);
  verdict.newBest = known == records_.end() || moves < known->second.best;
  verdict.record = MergeInto(records_, *key, clear);
  MergeInto(unsaved_, *key, clear);
  return verdict;
}

void PlayRecords::Refuse(MessageId message) {
  const GameError refusal(message, {path_});
  if (told_.insert(refusal.what()).second) throw refusal;
}

void PlayRecords::Save() {
  if (unsaved_.empty()) return;
  RecordsText text;
  const auto merge = [&](const std::string& bytes) {
    text = ReadRecordsText(bytes);
    for (const auto& [key, record] : unsaved_) MergeInto(text.records, key, record);
    return WriteRecordsText(text);
  };
  const OwnSave save = SaveOwnFile(path_, pathWasLink_, true, savedStamp_, merge);
  switch (save.state) {
    case OwnFileState::kOpen: break;
    case OwnFileState::kPlanted:
    case OwnFileState::kMissing: return Refuse(MessageId::kRecordsChangedSinceRead);
    case OwnFileState::kForeignLink: return Refuse(MessageId::kForeignLink);
    case OwnFileState::kReadOnly: return Refuse(MessageId::kRecordsReadOnly);
    case OwnFileState::kUnreadable: return Refuse(MessageId::kRecordsUnreadable);
    case OwnFileState::kTooLarge: return Refuse(MessageId::kRecordsTooLarge);
    case OwnFileState::kBusy: return Refuse(MessageId::kFileBusy);
  }
  if (save.result != WriteResult::kWritten) {
    const std::optional<GameError> problem = WriteProblem(save.result, path_);
    if (!problem) throw GameError(MessageId::kCannotWrite, {path_});
    return Refuse(problem->id);
  }
  savedStamp_ = save.written;
  records_ = std::move(text.records);
  unsaved_.clear();
}

}  // namespace suispo
