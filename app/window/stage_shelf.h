// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The shelf of ステージ集: the stage files the stage select screen offers (the built-in stages, the
// chapters, the player's own files), each with its progress.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "app/store/stage_collection.h"
#include "app/store/stage_progress.h"
#include "app/store/stage_store.h"

namespace suispo {

// A stage file the stage select screen offers: the built-in stages, a chapter, or one of the player's.
struct ShelfEntry {
  enum class Kind { kBuiltin, kChapter, kFile } kind = Kind::kFile;
  std::string path;      // the file (for a chapter: the player's copy, made when first opened)
  Chapter chapter;       // for a chapter: the shipped file and its label
  std::string label;     // UTF-8, without the progress
  bool current = false;  // the file on the list now
};

// The files on offer, in their order; a file opened from elsewhere is offered while it is on the list.
// A chapter's label in the player's language: a shipped chapter's through Qt's translation (context
// "Chapter"), another file's name as it stands.
QString ChapterLabel(const std::string& label);

std::vector<ShelfEntry> ShelfOf(const StageStore& store, const std::string& chapterFolder);
// The file's progress: read from disk for a file not on the list; none for a file that does not read.
StageProgress ProgressOfFile(const std::string& path, const PlayRecords& records);
// Where the entry's progress is counted from (ShelfProgress::Count): its file, "" for the built-in
// stages as saved, nothing for the file on the list (counted from the list itself).
std::optional<std::string> ProgressSource(const ShelfEntry& entry);
// The entry as the chooser's menu shows it, with its progress.
QString ShelfLabel(const ShelfEntry& entry, const StageProgress& progress);

}  // namespace suispo
