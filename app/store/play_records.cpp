// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading, noting and saving the best clears: one line per stage, "best star key".
#include "app/store/play_records.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "app/store/file_paths.h"
#include "core/files/file_replacement.h"
#include "core/text/game_error.h"
#include "core/files/regular_file.h"

namespace suispo {
namespace {

constexpr std::size_t kKeyBytes = 74;

// "best star key": two numbers and a space each, then the key to the end of the line.
std::optional<std::pair<std::string, StageRecord>> ReadLine(std::string_view line) {
  StageRecord record;
  int star = 0;
  const char* end = line.data() + line.size();
  auto [afterBest, bestError] = std::from_chars(line.data(), end, record.best);
  if (bestError != std::errc() || afterBest == end || *afterBest != ' ' || record.best < 1) return std::nullopt;
  auto [afterStar, starError] = std::from_chars(afterBest + 1, end, star);
  if (starError != std::errc() || afterStar == end || *afterStar != ' ' || (star != 0 && star != 1)) {
    return std::nullopt;
  }
  record.star = star == 1;
  std::string key(afterStar + 1, end);
  if (key.empty() || key.size() > kKeyBytes) return std::nullopt;
  return std::pair{std::move(key), record};
}

}  // namespace

std::string RecordKey(const StageLine& line) { return line.substr(0, std::min(line.size(), kKeyBytes)); }

std::string RecordsFileBeside(const std::string& settingsFile) {
  return FolderOf(settingsFile) + "suispo-records.txt";
}

void PlayRecords::Read() {
  records_.clear();
  const std::optional<std::string> bytes = ReadWholeFile(path_);
  if (!bytes) return;
  std::istringstream lines(*bytes);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (auto entry = ReadLine(line)) records_[entry->first] = entry->second;
  }
}

std::optional<StageRecord> PlayRecords::Find(const StageLine& line) const {
  const auto found = records_.find(RecordKey(line));
  if (found == records_.end()) return std::nullopt;
  return found->second;
}

ClearNote PlayRecords::Note(const StageLine& line, int moves, std::optional<int> par, bool hinted) {
  ClearNote note;
  const std::string key = RecordKey(line);
  // A key with a line break could not be read back; such a stage is played but not remembered.
  if (key.empty() || key.find_first_of("\r\n") != std::string::npos) {
    note.record = {moves, false};
    return note;
  }
  auto [at, first] = records_.try_emplace(key, StageRecord{moves, false});
  StageRecord& record = at->second;
  note.newBest = first || moves < record.best;
  if (note.newBest) record.best = moves;
  if (!hinted && par && moves <= *par) record.star = true;
  note.record = record;
  return note;
}

void PlayRecords::Save() const {
  std::ostringstream text;
  for (const auto& [key, record] : records_) {
    text << record.best << ' ' << (record.star ? 1 : 0) << ' ' << key << '\n';
  }
  if (!MakeFolders(FolderOf(path_)) || !ReplaceFileContents(path_, text.str())) {
    throw GameError(FormatMessage("%s に書き込めません", {path_}));
  }
}

}  // namespace suispo
