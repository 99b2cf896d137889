// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What outlives a run: the settings file, the stage list and its stage file.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/store/language.h"
#include "app/store/local_time.h"
#include "app/store/play_records.h"
#include "app/store/program_places.h"
#include "core/files/file_replacement.h"
#include "core/files/stage_file.h"
#include "core/files/stage_names.h"
#include "core/rules/stage_line.h"
#include "core/rules/undo_depth.h"

namespace suispo {

// How the victory and the fall are shown: at their own pace, in half the time, or not at all.
enum class AnimationSpeed { kNormal, kFast, kNone };

// The outer frame's top-left corner on the screen.
struct WindowPosition {
  int top = 0;
  int left = 0;
};

// The zooms the window offers, in percent of its size at a desktop scale of 1.
inline constexpr int kZoomSteps[] = {100, 150, 200, 300};

// The volumes the menu offers, in percent of the effects as made; the file may hold any of 0 to 100.
inline constexpr int kVolumeSteps[] = {20, 40, 60, 80, 100};

struct Setting;  // a row of the settings table (app/store/setting_table.h)

class StageStore {
 public:
  // places: where the settings and the stage files live. now: the local date and time.
  StageStore(StorePlaces places, std::function<LocalTime()> now);

  // Reads the settings file into the fields below. The program does it once before the window is
  // built (the language chooses its texts); the FormCreate after it then reads the file no more.
  void ReadSettingsFile();

  // Reads the settings and fills dataList from the remembered stage file or the built-in stages.
  // Returns the window position. Throws GameError kCannotOpenFile for a file that cannot be read;
  // a remembered file that is gone falls back to the built-in stages and waits for ReportGoneFile.
  WindowPosition FormCreate();
  // Throws GameError kCannotOpenFile once when FormCreate did not find the remembered file.
  void ReportGoneFile();
  // Writes the settings, making their folder if needed, then the clears still waiting for their
  // save (the stage file's and the records'); throws GameError: kCannotWrite, kForeignLink,
  // kDiskFull, kTooLargeToSave for the settings, else the first failed save's.
  // The stage file is remembered by bare name in the stage folder, by absolute path elsewhere, and
  // not at all while the list was never read from or saved to disk (unsaved built-in stages).
  // A settings file that is no regular file is neither read here nor written at close.
  void FormClose(WindowPosition position);
  // Game > Open after the dialog returned a path. On an error nothing changes.
  void LoadFile(const std::string& fullPath);
  // Sets the cleared flag of dataList[stageIndex]'s stage in the stage file as it is now on disk,
  // keeping every other line as others left it (in place or by a new file renamed over it), and
  // saves it; dataList becomes what was saved. Only the stage file: the records save on their own.
  // Refuses, writing nothing and leaving dataList as it was, when the path is no longer the player's
  // own regular file (a link put in its place, another user's file, no regular file), its path
  // passes a link that is not the player's, the stage's line is gone, or the file is read-only
  // (GameError kChangedSinceRead, kForeignLink, kReadOnly). The file is replaced only when quiet
  // (core/files/own_file.h). A failed write (kCannotCreateFile, kDiskFull, kTooLargeToSave), a
  // lock held by another program or an editor still writing (kFileBusy), a file that cannot be read
  // (kCannotOpenFile) or is too large (kFileTooLarge) leave the old file whole and keep the flag
  // for the next save, at the latest at FormClose. Clears pending when another file is opened are
  // saved first (LoadFile throws their failure and keeps the file).
  void MarkStageCleared(int stageIndex);
  // The stage editor's save: dataList[stageIndex]'s line in the stage file as it is now becomes
  // `edited`, by the same safe save and with the same refusals as MarkStageCleared (stage_edit_save.cpp).
  // Returns where the stage stands in dataList now.
  int ReplaceStage(int stageIndex, const StageLine& edited);

  // The stage to select when the current file comes on the list: the one last played in it, else
  // the first not yet cleared.
  int StartingStage() const;
  // The player starts dataList[index]: remembered for the current file, written at close.
  void RememberStage(int index);
  // The built-in stages (with the file an earlier run saved them to) replace the list.
  void OpenBuiltinStages() {
    KeepPlayedStage();
    UseBuiltinStages();
  }
  // The built-in stages as the player left them: from the file an earlier run saved, else fresh.
  std::vector<StageLine> BuiltinStagesAsSaved() const;
  // The player's own stage files in the stage folder, by full path in name order: every ".ssp" but
  // the copies of the chapters named and the files made for the built-in stages.
  std::vector<std::string> OwnStageFiles(const std::vector<std::string>& chapterNames) const;
  // The list holds the built-in stages, saved or not.
  bool ShowsBuiltinStages() const;
  // Where the current stage file lies ("" while it was never saved).
  std::string CurrentPath() const { return onDisk_ ? saveFolder_ + dataFileName : std::string(); }

  // The player's stage folder (ending in '/'): new and copied stage files go there.
  const std::string& StageFolder() const { return places_.stageFolder; }

  std::vector<StageLine> dataList;
  // The best clears, read by FormCreate from beside the settings file.
  PlayRecords records;
  std::string dataFileName;  // bare name; the file lies in the folder that saves go to
  // The settings of suispo.ini, a row each in SettingRows (stage_settings.cpp): read by FormCreate,
  // written by FormClose.
  // As FormCreate read it (before the stage file, so it holds even when FormCreate throws); after
  // FormClose, the position written.
  WindowPosition position;
  // The window's zoom in percent, one of kZoomSteps.
  int zoom = 100;
  AnimationSpeed animationSpeed = AnimationSpeed::kNormal;
  // The sound effects: 1 played, 0 muted; their volume in percent.
  int soundOn = 1;
  int soundVolume = 60;
  // How far undo reaches (Game > 戻せる回数), and whether a press during a move is kept for after
  // it (Game > 先行入力): 1 kept, 0 lost as the game always did.
  UndoDepth undoDepth = UndoDepth::kFive;
  int typeAhead = 0;
  // The language of the next start: the texts of this run were chosen by it as ReadSettingsFile read it.
  Language language = Language::kJapanese;
  // The stage names in the language of this run's texts, by puzzle (core/files/stage_names.h); empty
  // in Japanese, where every stage shows the name its file gives it.
  NameTable stageNames;

 private:
  // The settings of suispo.ini bound to their fields, a row each, in the order a new file lists them.
  std::vector<Setting> SettingRows();
  // The settings' "datafile" value for the current stage file.
  std::string RememberedName() const;
  // The current file's key among the stages last played: its remembered name, or a name of its own
  // for the built-in stages never saved.
  std::string LastStageKey() const;
  // Replaces dataList with the stage file's lines; throws GameError and changes nothing on a failure.
  void ReadStages(const std::string& path);
  // The first save of a list not yet on disk (the built-in stages): a new file, never replacing one.
  void SaveNewFile(const std::string& path, std::vector<StageLine> lines);
  // Writes the pending clears, and cleared (the stage at about index) when given, into the stage
  // file as it is now; see MarkStageCleared.
  void SaveClears(const StageLine* cleared, std::size_t index);
  void SavePendingClears();
  // After a save: the file is the one read from now on.
  void Saved(const std::string& path);
  // Where the list of the built-in stages comes from: the newest stage file of the stage folder
  // that an earlier run made for them, else a new generated name.
  void UseBuiltinStages();

  StorePlaces places_;
  std::function<LocalTime()> now_;
  // Where saves go: the stage folder for a generated file, the remembered or chosen file's own
  // folder otherwise. Never the current directory.
  std::string saveFolder_;
  bool onDisk_ = false;    // the list came from its file or was saved to it
  // The stage file as it was read or last saved: whether the player's path was a link.
  std::optional<FileIdentity> readFile_;
  // The stage file as this game last read or wrote it: found so at a save, nobody is writing it.
  std::optional<FileStamp> savedStamp_;
  // Clears whose save failed: written with the next save that succeeds.
  std::vector<StageLine> unsavedClears_;
  // Set by FormClose: a clear saved after it (the window closed during the clear's animation)
  // writes the settings again, so the new stage file is remembered.
  std::optional<WindowPosition> closedAt_;
  std::string goneFile_;   // the remembered file start-up did not find, until reported
  // The stage file began with a UTF-8 byte-order mark: saves write it back.
  bool byteOrderMark_ = false;
  // The "datafile" value start-up found usable: kept when the current name holds a line break,
  // which would end the settings line and make the next start read another name.
  std::string startName_;
  // The "datafile" setting: as read, before FormCreate looks for the file; at close RememberedName().
  std::string datafile_;
  // Row by row of SettingRows: the settings file held the setting at start-up, so it is written
  // back even at its default.
  std::vector<bool> settingsInFile_;
  bool settingsRead_ = false;  // ReadSettingsFile ran and no FormCreate came since
  // Stage numbers (from 1) last played, by LastStageKey, since start-up; others are in the settings.
  std::map<std::string, int> lastStages_;
  // The stage last played in the current file: kept under the file's key when another file comes
  // or the window closes (a first clear may give the built-in stages their file name meanwhile).
  std::optional<int> playedHere_;
  void KeepPlayedStage();
};

// The built-in stages as the file an earlier run saved in stageFolder holds them, else fresh. Reads
// only the disk: safe on a worker thread.
std::vector<StageLine> BuiltinStagesSavedIn(const std::string& stageFolder);

// The stage list's lines in UTF-8: "　 " (not cleared), "☆ " (cleared) or "★ " (its record has the
// star), then the name (ShownStageName: from names when they know the puzzle).
std::vector<std::string> StageListLines(const std::vector<StageLine>& dataList, const PlayRecords* records = nullptr,
                                        const NameTable* names = nullptr);

}  // namespace suispo
