// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The best clear of each stage, kept by the stage's content in a file of its own beside the settings.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "core/rules/stage_line.h"

namespace suispo {

struct StageRecord {
  int best = 0;       // the fewest operations of a clear
  bool star = false;  // once cleared in par or fewer operations without a hint
  friend bool operator==(const StageRecord&, const StageRecord&) = default;
};

// What a clear did to its stage's record.
struct ClearNote {
  StageRecord record;  // as it stands after the clear
  bool newBest = false;
};

// The key of a stage's record: its first 74 bytes (the board and the wall points), so the same stage
// in another file or under another name keeps its record.
std::string RecordKey(const StageLine& line);

class PlayRecords {
 public:
  // path: the records file; nothing is read before Read.
  explicit PlayRecords(std::string path) : path_(std::move(path)) {}

  // Reads the file; a missing, unreadable or oversized one, or one that is no regular file, holds no
  // records, and lines that do not read are skipped.
  void Read();
  std::optional<StageRecord> Find(const StageLine& line) const;
  // A clear in `moves` operations against the par (none while unknown or when there is none).
  ClearNote Note(const StageLine& line, int moves, std::optional<int> par, bool hinted);
  // Replaces the file in one step, making its folder; throws GameError "%s に書き込めません" and
  // then leaves the old file as it was.
  void Save() const;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::map<std::string, StageRecord> records_;
};

// The records file beside the settings file.
std::string RecordsFileBeside(const std::string& settingsFile);

}  // namespace suispo
