// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage collection shipped with the game (chapter files the player copies once into the stage
// folder) and new stage files made by the generator.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/store/local_time.h"
#include "core/design/generator.h"

namespace suispo {

struct Chapter {
  std::string path;   // the shipped file
  std::string label;  // UTF-8, for the menu: a shipped chapter's is translated in the context "Chapter"
};

// The chapter files (".ssp") in the collection's folder, in name order; none when it is missing.
std::vector<Chapter> ChaptersIn(const std::string& folder);

// The player's copy of a chapter in the stage folder: made from the shipped file the first time, only
// under a name nothing holds yet and only when the shipped file reads as a stage file, and kept as it
// is (with its cleared stages) after. Throws GameError: kCannotCreateFile, the stage
// file's own refusal for a broken shipped file, and kCannotOpenFile for a shipped file that
// cannot be read or a copy's name held by anything but the player's own regular file (a link).
struct ChapterCopy {
  std::string path;
  bool made = false;  // made just now: a copy that then fails to open is not kept
};
ChapterCopy PlayerCopyOfChapter(const Chapter& chapter, const std::string& stageFolder);

// How many stages a new stage file holds.
inline constexpr int kNewStageCount = 10;

// How a new stage file and its stages are named, in the language the player reads: the preset as the
// dialog shows it, and the words of the stages' names (GenerateHooks::nameWord). Empty: Japanese, as
// the words are written.
struct NewStageNaming {
  std::string presetLabel;
  std::function<std::string(const char*)> word;
};

// "入門 20261208 093015 seed 42.ssp": the preset as the player reads it, the date and time, and the seed.
std::string NewStageFileName(const std::string& presetLabel, const LocalTime& time, std::uint32_t seed);

// Makes kNewStageCount stages of the preset and writes them as a new stage file in the folder, never
// over anything already there (a taken name gets " (2)", " (3)"… before ".ssp"); the path, or
// nothing when cancelled (and then no file, not even part of one, is left). Meant for a worker
// thread: progress is called on the generating threads, one call at a time. The file and its stages
// are named by naming, the stages after the preset ("入門 1 穴"). The preset and the seed in the file's
// name make the same stages again: `suispo-stage generate --preset beginner --seed SEED` (with
// `--name "Beginner "` for a set named in English). Throws GameError kCannotCreateFile.
std::optional<std::string> MakeNewStageFile(StagePreset preset, std::uint32_t seed, const std::string& folder,
                                            const LocalTime& time, const std::atomic<bool>* cancel,
                                            std::function<void(const GenerateProgress&)> progress,
                                            const NewStageNaming& naming = {});

}  // namespace suispo
