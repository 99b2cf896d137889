// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The records file as text: one "best star key" line per puzzle, and the lines this game cannot read.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace suispo {

struct StageRecord {
  int best = 0;       // the fewest operations of a clear
  bool star = false;  // once cleared in par or fewer operations without a hint
  friend bool operator==(const StageRecord&, const StageRecord&) = default;
};

using RecordMap = std::map<std::string, StageRecord>;
// Adds a record to the map, merged with the one already there (two records of one puzzle make one:
// the fewer operations win, and a star once earned stays); returns the record as it now stands.
StageRecord MergeInto(RecordMap& records, const std::string& key, const StageRecord& record);

struct RecordsText {
  RecordMap records;  // by PuzzleKey (core/rules/same_stage.h)
  // Lines that read as no record (a later version's, or written by hand), byte for byte and in order:
  // a save writes them back as they were.
  std::vector<std::string> unread;
  friend bool operator==(const RecordsText&, const RecordsText&) = default;
};

// Reads a records file's bytes. A line of an earlier version, keyed by the first 74 bytes of its
// stage line, is carried over to the puzzle's key when that names its start; two lines of one
// puzzle are merged.
RecordsText ReadRecordsText(std::string_view bytes);
// The records in key order, then the unread lines; each line ends with LF.
std::string WriteRecordsText(const RecordsText& text);

}  // namespace suispo
