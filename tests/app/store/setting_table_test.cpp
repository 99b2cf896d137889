// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A table of settings read from a file: what a value outside its range or list becomes.
#include "app/store/setting_table.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/app/store/temp_folder.h"

namespace suispo {
namespace {

using test::TempFolder;
using test::WriteBytes;

// A volume from 0 to 100 and a language of two, as settings still to come will be.
struct SoundAndLanguage {
  int volume = -1;
  std::string language;
  std::vector<Setting> Rows() {
    return {{"Sound", "volume", "80", IntegerRange{0, 100}, Written::kOnceChanged, volume},
            {"View", "language", "ja", Words{{"ja", "en"}}, Written::kOnceChanged, language}};
  }
};

TEST(SettingTableTest, AValueOutsideItsRangeOrListIsTheDefault) {
  TempFolder folder;
  using Case = std::tuple<std::string, std::string, int, std::string>;
  for (const auto& [volume, language, expectedVolume, expectedLanguage] :
       {Case{"0", "en", 0, "en"}, Case{"100", "ja", 100, "ja"}, Case{"0x40", "en", 64, "en"},
        Case{"101", "fr", 80, "ja"}, Case{"-1", "EN", 80, "ja"}, Case{"loud", "", 80, "ja"}}) {
    WriteBytes(folder / "suispo.ini", "[Sound]\r\nvolume=" + volume + "\r\n[View]\r\nlanguage=" + language + "\r\n");
    SoundAndLanguage settings;
    ReadSettings(folder / "suispo.ini", settings.Rows());
    EXPECT_EQ(settings.volume, expectedVolume) << volume;
    EXPECT_EQ(settings.language, expectedLanguage) << language;
  }
}

TEST(SettingTableTest, ASettingsFileLargerThanAnyTheGameWritesIsNotRead) {
  TempFolder folder;
  WriteBytes(folder / "suispo.ini",
             "[Sound]\r\nvolume=20\r\n;" + std::string(kMaxProfileBytes, 'x') + "\r\n");
  SoundAndLanguage settings;
  ReadSettings(folder / "suispo.ini", settings.Rows());
  EXPECT_EQ(settings.volume, 80);  // the default, as for no file
  EXPECT_EQ(WriteProfileStrings(folder / "suispo.ini", {{"Sound", "volume", "40"}}), WriteResult::kTooLarge);  // nor written over
}

}  // namespace
}  // namespace suispo
