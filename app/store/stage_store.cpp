// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Start-up, Game > Open, saving a clear and closing: the settings file and the stage file.
#include "app/store/stage_store.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <exception>
#include <functional>
#include <cstdlib>
#include <string>
#include <utility>

#include "app/store/file_paths.h"
#include "app/store/profile_file.h"
#include "app/store/setting_table.h"
#include "app/store/stage_file_name.h"
#include "app/store/stage_lines_found.h"
#include "app/store/stage_progress.h"
#include "core/files/stage_names.h"
#include "core/files/file_replacement.h"
#include "core/rules/builtin_stages.h"
#include "core/text/display_text.h"
#include "core/text/game_error.h"
#include "core/files/own_file.h"
#include "core/files/stage_file.h"
#include "core/rules/same_stage.h"

namespace suispo {
namespace {

constexpr const char* kLastStageSection = "LastStage";
constexpr const char* kBuiltinKey = "(built-in)";

// A file name that reads back as the same key of a settings line.
bool UsableAsKey(std::string_view name) {
  return !name.empty() && name.find_first_of("=\r\n") == std::string_view::npos && name.front() != ';' &&
         name.front() != '[' && name.front() != ' ' && name.back() != ' ' && name.front() != '\t' &&
         name.back() != '\t';
}

bool HoldsLineBreak(std::string_view name) { return name.find_first_of("\r\n") != std::string_view::npos; }

// Lines of the built-in stages, whatever their cleared flags.
bool HoldsTheBuiltinStages(const std::vector<StageLine>& lines) {
  const std::vector<StageLine> builtin = BuiltinStages();
  return std::equal(lines.begin(), lines.end(), builtin.begin(), builtin.end(), SameStageLine);
}

// A name the game gives a new stage file: "yyyymmdd.ssp" or "yyyymmdd hhmmss.ssp".
bool IsGeneratedName(std::string_view name) {
  const auto digits = [](std::string_view s) { return s.find_first_not_of("0123456789") == std::string_view::npos; };
  if (name.size() == 12) return digits(name.substr(0, 8)) && name.substr(8) == ".ssp";
  return name.size() == 19 && digits(name.substr(0, 8)) && name[8] == ' ' && digits(name.substr(9, 6)) &&
         name.substr(15) == ".ssp";
}

// The newest (last saved) stage file the game made in folder whose lines are the built-in stages,
// or "". Only generated names are read: an author's own files may be large.
std::string NewestBuiltinStageFile(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return "";
  std::string newest;
  timespec newestTime{};
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    struct stat info {};
    if (!IsGeneratedName(name) || fstatat(dirfd(dir), name.c_str(), &info, 0) != 0 || !S_ISREG(info.st_mode)) continue;
    const bool newer = newest.empty() || info.st_mtim.tv_sec > newestTime.tv_sec ||
                       (info.st_mtim.tv_sec == newestTime.tv_sec && info.st_mtim.tv_nsec > newestTime.tv_nsec);
    if (!newer) continue;
    try {
      if (!HoldsTheBuiltinStages(ReadStageFile(folder + name))) continue;
    } catch (const GameError&) {
      continue;
    }
    newest = name;
    newestTime = info.st_mtim;
  }
  closedir(dir);
  return newest;
}

}  // namespace

GameError ChangedSinceRead(std::string_view name) {
  return GameError(MessageId::kChangedSinceRead, {std::string(name)});
}

void ThrowUnlessSaved(const OwnSave& save, const std::string& name) {
  switch (save.state) {
    case OwnFileState::kOpen: break;
    case OwnFileState::kReadOnly: throw GameError(MessageId::kReadOnly, {name});
    case OwnFileState::kForeignLink: throw GameError(MessageId::kForeignLink, {name});
    case OwnFileState::kBusy: throw GameError(MessageId::kFileBusy, {name});
    case OwnFileState::kTooLarge: throw GameError(MessageId::kFileTooLarge, {name});
    case OwnFileState::kUnreadable: throw GameError(MessageId::kCannotOpenFile, {name});
    case OwnFileState::kMissing:
    case OwnFileState::kPlanted: throw ChangedSinceRead(name);
  }
  if (save.result == WriteResult::kWritten) return;
  if (save.result == WriteResult::kBusy) throw GameError(MessageId::kFileBusy, {name});
  throw WriteProblem(save.result, name).value_or(GameError(MessageId::kCannotCreateFile, {name}));
}

std::optional<std::size_t> FindStage(const std::vector<StageLine>& lines, const StageLine& line, std::size_t oldIndex) {
  if (oldIndex < lines.size() && SameStageLine(lines[oldIndex], line)) return oldIndex;
  const auto found = std::find_if(lines.begin(), lines.end(), [&](const StageLine& l) { return SameStageLine(l, line); });
  if (found == lines.end()) return std::nullopt;
  return static_cast<std::size_t>(found - lines.begin());
}

StageStore::StageStore(StorePlaces places, std::function<LocalTime()> now)
    : records(RecordsFileBeside(places.settingsFile)),
      places_(std::move(places)),
      now_(std::move(now)),
      saveFolder_(places_.stageFolder) {}

WindowPosition StageStore::FormCreate() {
  records.Read();
  if (!std::exchange(settingsRead_, false)) ReadSettingsFile();
  std::string remembered = datafile_;
  // A bare name lies in the stage folder; a file from elsewhere is remembered by absolute path.
  const bool absolute = !remembered.empty() && remembered.front() == '/';
  const std::string path = absolute ? remembered : places_.stageFolder + remembered;
  if (!remembered.empty() && !IsRegularFile(path)) {
    goneFile_ = path;
    remembered.clear();
  }
  startName_ = remembered;
  byteOrderMark_ = false;
  if (remembered.empty()) {
    UseBuiltinStages();
  } else {
    // Named before reading, so a file that cannot be read is still remembered at close.
    dataFileName = BareName(path);
    saveFolder_ = FolderOf(path);
    onDisk_ = true;
    ReadStages(path);
  }
  return position;
}

void StageStore::UseBuiltinStages() {
  saveFolder_ = places_.stageFolder;
  const std::string earlier = NewestBuiltinStageFile(places_.stageFolder);
  if (!earlier.empty()) {
    try {
      dataFileName = earlier;
      ReadStages(places_.stageFolder + earlier);
      onDisk_ = true;
      return;
    } catch (const GameError&) {
      // gone or changed since it was looked at: the built-in stages start afresh
    }
  }
  dataList = BuiltinStages();
  dataFileName = GeneratedStageFileName(now_());
  onDisk_ = false;
  readFile_.reset();
}

void StageStore::ReportGoneFile() {
  if (goneFile_.empty()) return;
  const std::string gone = std::exchange(goneFile_, std::string());
  throw GameError(MessageId::kCannotOpenFile, {gone});
}

std::string StageStore::RememberedName() const {
  if (!onDisk_) return "";
  const std::string name =
      SameFolder(saveFolder_, places_.stageFolder) ? dataFileName : saveFolder_ + dataFileName;
  return HoldsLineBreak(name) ? startName_ : name;
}

void StageStore::FormClose(WindowPosition closing) {
  closedAt_ = closing;
  KeepPlayedStage();
  const std::string& settings = places_.settingsFile;
  position = closing;
  datafile_ = RememberedName();
  std::vector<ProfileEntry> entries = SettingEntries(SettingRows(), settingsInFile_);
  for (const auto& [key, stage] : lastStages_) entries.push_back({kLastStageSection, key, std::to_string(stage)});
  const WriteResult written = WriteProfileStrings(settings, entries, true);
  // Clears still waiting for their save are written at quit too; each file is tried whatever
  // became of the others, and the first failure told.
  std::exception_ptr failure;
  for (const auto& save : {std::function<void()>([this] { SavePendingClears(); }), std::function<void()>([this] { records.Save(); })}) {
    try {
      save();
    } catch (const GameError&) {
      if (!failure) failure = std::current_exception();
    }
  }
  if (written != WriteResult::kWritten) {
    throw WriteProblem(written, settings).value_or(GameError(MessageId::kCannotWrite, {settings}));
  }
  if (failure) std::rethrow_exception(failure);
}

std::string StageStore::LastStageKey() const {
  const std::string name = RememberedName();
  return name.empty() && ShowsBuiltinStages() ? kBuiltinKey : name;
}

std::vector<StageLine> StageStore::BuiltinStagesAsSaved() const {
  if (ShowsBuiltinStages()) return dataList;
  return BuiltinStagesSavedIn(places_.stageFolder);
}

std::vector<StageLine> BuiltinStagesSavedIn(const std::string& stageFolder) {
  const std::string earlier = NewestBuiltinStageFile(stageFolder);
  if (!earlier.empty()) {
    try {
      return ReadStageFile(stageFolder + earlier);
    } catch (const GameError&) {
      // gone since it was looked at
    }
  }
  return BuiltinStages();
}

std::vector<std::string> StageStore::OwnStageFiles(const std::vector<std::string>& chapterNames) const {
  std::vector<std::string> files;
  DIR* dir = opendir(places_.stageFolder.c_str());
  if (dir == nullptr) return files;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (!name.ends_with(".ssp") || IsGeneratedName(name) ||
        std::find(chapterNames.begin(), chapterNames.end(), name) != chapterNames.end() ||
        !IsRegularFile(places_.stageFolder + name)) {
      continue;
    }
    files.push_back(places_.stageFolder + name);
  }
  closedir(dir);
  std::sort(files.begin(), files.end());
  return files;
}

bool StageStore::ShowsBuiltinStages() const { return HoldsTheBuiltinStages(dataList); }

int StageStore::StartingStage() const {
  const std::string key = LastStageKey();
  if (playedHere_ && static_cast<std::size_t>(*playedHere_) < dataList.size()) return *playedHere_;
  int stage = 0;
  if (const auto known = lastStages_.find(key); known != lastStages_.end()) {
    stage = known->second;
  } else if (UsableAsKey(key)) {
    stage = ProfileInteger(ReadProfileString(places_.settingsFile, kLastStageSection, key, ""));
  }
  // A stage cleared when the program last closed gives way to the next one still open.
  if (stage >= 1 && static_cast<std::size_t>(stage) <= dataList.size()) return StageToGoOn(dataList, stage - 1);
  return FirstUnclearedStage(dataList);
}

void StageStore::RememberStage(int index) {
  if (index >= 0) playedHere_ = index;
}

void StageStore::KeepPlayedStage() {
  const std::string key = LastStageKey();
  if (playedHere_ && UsableAsKey(key)) lastStages_[key] = *playedHere_ + 1;
  playedHere_.reset();
}

void StageStore::LoadFile(const std::string& fullPath) {
  // Clears still waiting for their save reach their file before another file is shown.
  SavePendingClears();
  // The stage played in the file shown so far is kept, whether the new one reads or not.
  KeepPlayedStage();
  // A missing, unreadable or refused file throws here, before the list changes.
  ReadStages(fullPath);
  dataFileName = BareName(fullPath);
  saveFolder_ = AbsoluteFolder(FolderOf(fullPath));
  onDisk_ = true;
}

void StageStore::ReadStages(const std::string& path) {
  const std::optional<FileIdentity> identity = IdentityOf(path);
  const std::optional<FileStamp> stamp = StampOf(path);
  StageFileText file = ReadStageFileText(path);
  dataList = std::move(file.lines);
  byteOrderMark_ = file.byteOrderMark;
  readFile_ = identity;
  // Unchanged since this read, the file is known quiet at the next save.
  savedStamp_ = stamp == StampOf(path) ? stamp : std::nullopt;
  unsavedClears_.clear();
}

void StageStore::MarkStageCleared(int stageIndex) {
  if (stageIndex < 0 || static_cast<std::size_t>(stageIndex) >= dataList.size()) return;
  const std::string path = saveFolder_ + dataFileName;
  if (!onDisk_) {
    std::vector<StageLine> lines = dataList;
    lines[static_cast<std::size_t>(stageIndex)] = MarkedCleared(lines[static_cast<std::size_t>(stageIndex)]);
    return SaveNewFile(path, std::move(lines));
  }
  const StageLine cleared = MarkedCleared(dataList[static_cast<std::size_t>(stageIndex)]);
  SaveClears(&cleared, static_cast<std::size_t>(stageIndex));
}

void StageStore::SaveClears(const StageLine* cleared, std::size_t index) {
  const std::string path = saveFolder_ + dataFileName;
  // A clear the file could not take now waits for the next save; the list shows it meanwhile.
  const auto keepPending = [&](MessageId why) {
    if (cleared != nullptr) {
      unsavedClears_.push_back(*cleared);
      dataList[index] = *cleared;
    }
    throw GameError(why, {dataFileName});
  };
  // The flags go into the file as it is now: what another game or an editor wrote since it was
  // read stays, whether they wrote it in place or as a new file renamed over it. A link is followed
  // only when the player's own path was one when it was read.
  std::vector<StageLine> lines;
  bool byteOrderMark = false;
  const auto merge = [&](const std::string& bytes) {
    lines = ParseStageText(bytes, dataFileName);
    byteOrderMark = StartsWithByteOrderMark(bytes);
    std::size_t at = index;
    if (cleared != nullptr) {
      const auto found = FindStage(lines, *cleared, index);
      if (!found) throw ChangedSinceRead(dataFileName);
      at = *found;
      lines[at] = MarkedCleared(lines[at]);
    }
    for (const StageLine& line : unsavedClears_) {
      if (const auto place = FindStage(lines, line, at)) lines[*place] = MarkedCleared(lines[*place]);
    }
    return StageText(lines, byteOrderMark);
  };
  const OwnSave save = SaveOwnFile(path, readFile_ && readFile_->link, false, savedStamp_, merge);
  switch (save.state) {
    case OwnFileState::kOpen: break;
    case OwnFileState::kReadOnly: throw GameError(MessageId::kReadOnly, {dataFileName});
    case OwnFileState::kForeignLink: throw GameError(MessageId::kForeignLink, {dataFileName});
    case OwnFileState::kBusy: return keepPending(MessageId::kFileBusy);
    case OwnFileState::kTooLarge: return keepPending(MessageId::kFileTooLarge);
    case OwnFileState::kUnreadable: return keepPending(MessageId::kCannotOpenFile);
    case OwnFileState::kMissing:
    case OwnFileState::kPlanted: throw ChangedSinceRead(dataFileName);
  }
  if (save.result == WriteResult::kBusy) return keepPending(MessageId::kFileBusy);
  if (save.result != WriteResult::kWritten) {
    // The list shows the file as read with the clears, which the next successful save writes.
    if (cleared != nullptr) unsavedClears_.push_back(*cleared);
    dataList = std::move(lines);
    byteOrderMark_ = byteOrderMark;
    throw WriteProblem(save.result, dataFileName).value_or(GameError(MessageId::kCannotCreateFile, {dataFileName}));
  }
  dataList = std::move(lines);
  byteOrderMark_ = byteOrderMark;
  Saved(path);
}

void StageStore::SavePendingClears() {
  if (!unsavedClears_.empty() && onDisk_) SaveClears(nullptr, 0);
}

void StageStore::SaveNewFile(const std::string& path, std::vector<StageLine> lines) {
  // The list of the built-in stages reaches the disk at its first save, under a name nothing may
  // have taken meanwhile (not even a link).
  const WriteResult made =
      WriteFileAt(path, StageText(lines, byteOrderMark_), {.create = true, .makeFolders = true});
  // A failed write keeps the flag for the next save; a name taken meanwhile is not written at all.
  if (made != WriteResult::kExists && made != WriteResult::kForeignLink) dataList = std::move(lines);
  if (made != WriteResult::kWritten) {
    throw WriteProblem(made, dataFileName).value_or(GameError(MessageId::kCannotCreateFile, {dataFileName}));
  }
  Saved(path);
}

void StageStore::Saved(const std::string& path) {
  unsavedClears_.clear();
  readFile_ = IdentityOf(path);
  savedStamp_ = StampOf(path);
  onDisk_ = true;
  if (closedAt_) FormClose(*closedAt_);
}

std::vector<std::string> StageListLines(const std::vector<StageLine>& dataList, const PlayRecords* records,
                                        const NameTable* names) {
  std::vector<std::string> lines;
  lines.reserve(dataList.size());
  for (const StageLine& line : dataList) {
    const std::optional<StageRecord> record = records != nullptr ? records->Find(PuzzleKey(line)) : std::nullopt;
    const char* mark = record && record->star ? "★ " : IsCleared(line) ? "☆ " : "\u3000 ";
    lines.push_back(mark + ShownStageName(names, line));
  }
  return lines;
}

}  // namespace suispo
