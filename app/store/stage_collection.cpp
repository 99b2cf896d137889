// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Chapter files copied once into the player's folder, and new stage files written whole or not at all.
#include "app/store/stage_collection.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/store/file_paths.h"
#include "core/files/file_replacement.h"
#include "core/text/game_error.h"
#include "core/files/stage_file.h"
#include "core/text/translatable.h"

namespace suispo {

namespace {

// The shipped chapters' menu labels by file name; another file is shown by its own name.
constexpr std::pair<const char*, const char*> kLabels[] = {
    {"1-walls.ssp", SUISPO_TR_NOOP("Chapter", "第1章 壁")},
    {"2-holes.ssp", SUISPO_TR_NOOP("Chapter", "第2章 穴")},
    {"3-arrows.ssp", SUISPO_TR_NOOP("Chapter", "第3章 矢印")},
    {"4-warps.ssp", SUISPO_TR_NOOP("Chapter", "第4章 ワープ")},
    {"5-marked.ssp", SUISPO_TR_NOOP("Chapter", "第5章 市松の辺")},
    {"6-all.ssp", SUISPO_TR_NOOP("Chapter", "第6章 全部いっしょに")},
};

GameError CannotCreate(const std::string& path) {
  return GameError(MessageId::kCannotCreateFile, {BareName(path)});
}

// The player's copy may be used only when it is the player's own regular file: a link or anything
// else put at its name is never opened, and so never written through at a clear.
bool IsOwnRegularFile(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid();
}

// "name.ssp", then "name (2).ssp", "name (3).ssp"… for the n-th try.
std::string NumberedName(const std::string& name, int n) {
  if (n == 1) return name;
  const std::string stem = name.substr(0, name.size() - 4);
  return stem + " (" + std::to_string(n) + ").ssp";
}

constexpr int kNameTries = 100;

}  // namespace

std::vector<Chapter> ChaptersIn(const std::string& folder) {
  std::vector<Chapter> chapters;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.ends_with(".ssp") || !IsRegularFile(entry.path().string())) continue;
    std::string label = name.substr(0, name.size() - 4);
    for (const auto& [file, text] : kLabels) {
      if (name == file) label = text;
    }
    chapters.push_back({entry.path().string(), label});
  }
  std::sort(chapters.begin(), chapters.end(), [](const Chapter& a, const Chapter& b) { return a.path < b.path; });
  return chapters;
}

ChapterCopy PlayerCopyOfChapter(const Chapter& chapter, const std::string& stageFolder) {
  const std::string copy = stageFolder + BareName(chapter.path);
  if (IsMissing(copy)) {
    const std::optional<std::string> bytes = ReadWholeFile(chapter.path);
    if (!bytes) throw GameError(MessageId::kCannotOpenFile, {chapter.path});
    // A broken shipped file is refused before anything is copied, so its repair reaches the player.
    ParseStageText(*bytes, chapter.path);
    const WriteResult made = WriteFileAt(copy, *bytes, {.create = true, .makeFolders = true});
    if (made == WriteResult::kWritten) return {copy, true};
    if (made != WriteResult::kExists) throw WriteProblem(made, BareName(copy)).value_or(CannotCreate(copy));
  }
  if (!IsOwnRegularFile(copy)) throw GameError(MessageId::kCannotOpenFile, {copy});
  return {copy, false};
}

std::string NewStageFileName(const std::string& presetLabel, const LocalTime& t, std::uint32_t seed) {
  char text[64];
  std::snprintf(text, sizeof text, " %04d%02d%02d %02d%02d%02d seed %u.ssp", t.year, t.month, t.day, t.hour,
                t.minute, t.second, seed);
  return presetLabel + text;
}

std::optional<std::string> MakeNewStageFile(StagePreset preset, std::uint32_t seed, const std::string& folder,
                                            const LocalTime& time, const std::atomic<bool>* cancel,
                                            std::function<void(const GenerateProgress&)> progress,
                                            const NewStageNaming& naming) {
  const std::string label = naming.presetLabel.empty() ? PresetOf(preset).label : naming.presetLabel;
  GenerateOptions options = PresetOptions(preset, kNewStageCount, seed);
  options.namePrefix = label + " ";
  const GenerateReport report =
      GenerateStages(options, {.cancel = cancel, .progress = std::move(progress), .nameWord = naming.word});
  if (report.cancelled || report.lines.empty()) return std::nullopt;
  const std::string name = NewStageFileName(label, time, seed);
  // A new set never replaces anything: a name already taken (by a file, a link, anything) gets a number.
  for (int n = 1; n <= kNameTries; ++n) {
    const std::string path = folder + NumberedName(name, n);
    const WriteResult made = WriteFileAt(path, StageText(report.lines), {.create = true, .makeFolders = true});
    if (made == WriteResult::kWritten) return path;
    if (made != WriteResult::kExists) throw WriteProblem(made, BareName(path)).value_or(CannotCreate(path));
  }
  throw CannotCreate(name);
}

}  // namespace suispo
