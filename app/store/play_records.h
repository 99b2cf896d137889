// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The best clear of each puzzle and the star rule, kept in a file of its own beside the settings,
// which every game on the same file adds to and none overwrites.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "app/store/records_text.h"
#include "core/files/file_replacement.h"
#include "core/text/game_error.h"

namespace suispo {

// What a clear did to its puzzle's record, decided where the record is kept.
struct ClearVerdict {
  int moves = 0;
  std::optional<int> par;      // none while it was still searched for, or when there is none
  bool star = false;           // this clear earned the star
  bool hintWithheldStar = false;  // it would have, but a hint was shown during the play
  bool newBest = false;
  StageRecord record;          // the record as it stands after the clear
};  // the window words it for the name plate (app/window/verdict_text.h)

class PlayRecords {
 public:
  // path: the records file; nothing is read before Read.
  explicit PlayRecords(std::string path) : path_(std::move(path)) {}

  // Reads the file for showing the records; a missing, unreadable or oversized one, or one that is no
  // regular file, holds none.
  void Read();
  // key: PuzzleKey (core/rules/same_stage.h); nothing finds nothing.
  std::optional<StageRecord> Find(const std::optional<std::string>& key) const;
  // A stage line is no key: it would quietly find nothing.
  std::optional<StageRecord> Find(const std::string& line) const = delete;
  // The star rule: a clear in `moves` operations earns the star when the par is known and the clear
  // takes no more operations, and no hint was shown during the play. A clear made before the par
  // was known earns none (its best still counts). A star once earned stays. Without a key (wall
  // points that are no number) nothing is remembered.
  ClearVerdict Note(const std::optional<std::string>& key, int moves, std::optional<int> par, bool hinted);
  ClearVerdict Note(const std::string& line, int, std::optional<int>, bool) = delete;
  // Adds the clears noted since the last save to the file as it is now: read again under its lock,
  // merged with what other games wrote, lines this version cannot read kept, and replaced in one
  // step (its folder made first), once quiet (core/files/own_file.h). The file is written only as
  // the player's own regular file, never through a link put at its path or a link of another user
  // on the way, and never when it cannot be read or is too large. Throws GameError (with the
  // path), keeping the clears for the next save (at the latest the settings' save at quit):
  // kCannotWrite for a failed write, kDiskFull, kTooLargeToSave, kFileBusy (a lock held by another
  // program, or a file being written), kRecordsReadOnly, kRecordsChangedSinceRead, kForeignLink,
  // kRecordsUnreadable, kRecordsTooLarge; a refusal already told during this run is not told again.
  void Save();

  const std::string& path() const { return path_; }

 private:
  // Throws the refusal (of this file) unless it was told before.
  void Refuse(MessageId message);

  std::string path_;
  bool pathWasLink_ = false;  // the player's path was a link when read: it is followed
  std::optional<FileStamp> savedStamp_;  // the file as this game last wrote it
  RecordMap records_;  // as last read or saved, with the clears since
  RecordMap unsaved_;  // the clears not yet in the file
  std::set<std::string> told_;
};

// The records file beside the settings file.
std::string RecordsFileBeside(const std::string& settingsFile);

}  // namespace suispo
