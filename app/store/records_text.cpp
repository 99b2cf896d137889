// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading and writing the records file's lines, earlier versions' keys carried over.
#include "app/store/records_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/rules/same_stage.h"

namespace suispo {
namespace {

// An earlier version keyed a record by the first 74 bytes of its stage line (board and wall points).
constexpr std::size_t kOldKeyBytes = 74;

// The puzzle a key names: one written by this version as it writes it, or an earlier version's.
std::optional<std::string> PuzzleOfKey(std::string_view key) {
  constexpr std::size_t kBoard = kBoardTextLength;
  if (key.size() > kBoard + 4 && key[kBoard] == '@' && key[kBoard + 3] == '/') {
    const std::string_view points = key.substr(kBoard + 4);
    const Cell start{key[kBoard + 1] - '0', key[kBoard + 2] - '0'};
    if (points.empty() || points.size() > 2) return std::nullopt;
    // Rebuilt as a stage line, so only a key exactly as PuzzleKey writes it reads back.
    const std::string line = std::string(key.substr(0, kBoard)) + (points.size() == 1 ? "0" : "") + std::string(points);
    const std::optional<std::string> again = PuzzleKey(line, start);
    if (again && *again == key) return again;
    return std::nullopt;
  }
  if (key.size() > kOldKeyBytes) return std::nullopt;
  return PuzzleKey(key);
}

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
  std::optional<std::string> key = PuzzleOfKey(std::string_view(afterStar + 1, static_cast<std::size_t>(end - afterStar - 1)));
  if (!key) return std::nullopt;
  return std::pair{std::move(*key), record};
}

StageRecord Merged(const StageRecord& a, const StageRecord& b) {
  return {std::min(a.best, b.best), a.star || b.star};
}

}  // namespace

StageRecord MergeInto(RecordMap& records, const std::string& key, const StageRecord& record) {
  auto [at, first] = records.try_emplace(key, record);
  if (!first) at->second = Merged(at->second, record);
  return at->second;
}

RecordsText ReadRecordsText(std::string_view bytes) {
  RecordsText text;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    const std::string_view raw = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    std::string_view line = raw;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) continue;
    if (auto entry = ReadLine(line)) {
      MergeInto(text.records, entry->first, entry->second);
    } else {
      text.unread.emplace_back(raw);
    }
  }
  return text;
}

std::string WriteRecordsText(const RecordsText& text) {
  std::string bytes;
  for (const auto& [key, record] : text.records) {
    bytes += std::to_string(record.best) + ' ' + (record.star ? '1' : '0') + ' ' + key + '\n';
  }
  for (const std::string& line : text.unread) bytes += line + '\n';
  return bytes;
}

}  // namespace suispo
