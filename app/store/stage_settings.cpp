// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The settings of suispo.ini: a row each, bound to the store's field it fills.
#include <climits>

#include "app/store/setting_table.h"
#include "app/store/stage_store.h"

namespace suispo {

std::vector<Setting> StageStore::SettingRows() {
  constexpr IntegerRange kAnyInteger{INT_MIN, INT_MAX};
  // The longest stage file name read back; a longer one is cut.
  constexpr AnyText kFileName{2047};
  return {
      // "xpos" holds the top edge and "ypos" the left one: the names stay as files have them.
      {"Position", "xpos", "0", kAnyInteger, Written::kAlways, position.top},
      {"Position", "ypos", "0", kAnyInteger, Written::kAlways, position.left},
      {"FileName", "datafile", "", kFileName, Written::kAlways, datafile_},
      // Only the digits of a step: " 0x96" is no zoom of 150.
      {"View", "zoom", "100", NumberWords(kZoomSteps), Written::kOnceChanged, zoom},
      // In the order of Language.
      {"View", "language", "ja", Words{{"ja", "en"}}, Written::kOnceChanged, language},
      // In the order of AnimationSpeed.
      {"Animation", "speed", "normal", Words{{"normal", "fast", "none"}}, Written::kOnceChanged, animationSpeed},
      {"Sound", "on", "1", Words{{"0", "1"}}, Written::kOnceChanged, soundOn},
      {"Sound", "volume", "60", IntegerRange{0, 100}, Written::kOnceChanged, soundVolume},
      // In the order of UndoDepth.
      {"Play", "undo", "5", Words{{"5", "unlimited"}}, Written::kOnceChanged, undoDepth},
      {"Play", "typeahead", "0", Words{{"0", "1"}}, Written::kOnceChanged, typeAhead},
  };
}

void StageStore::ReadSettingsFile() {
  settingsInFile_ = ReadSettings(places_.settingsFile, SettingRows());
  settingsRead_ = true;
}

}  // namespace suispo
