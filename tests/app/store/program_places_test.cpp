// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where an installed game keeps its files, and how the program knows that it is installed.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/store/program_places.h"
#include "core/rules/builtin_stages.h"
#include "core/files/stage_file.h"
#include "suispo/build_info.h"
#include "tests/app/store/store_fixture.h"

namespace suispo {
namespace {

using test::kMorning;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(InstalledPlaces, FollowAbsoluteXdgFoldersAndFallBackToTheHomeFolder) {
  const StorePlaces defaults = InstalledPlaces(nullptr, nullptr, "/home/p");
  EXPECT_EQ(defaults.settingsFile, "/home/p/.config/suispo/suispo.ini");
  EXPECT_EQ(defaults.stageFolder, "/home/p/.local/share/suispo/");
  const StorePlaces set = InstalledPlaces("/x/config/", "/x/data", "/home/p");
  EXPECT_EQ(set.settingsFile, "/x/config/suispo/suispo.ini");
  EXPECT_EQ(set.stageFolder, "/x/data/suispo/");
  // Empty or relative values are not folders the XDG rules accept.
  EXPECT_EQ(InstalledPlaces("", "relative", "/home/p").stageFolder, defaults.stageFolder);
  EXPECT_EQ(InstalledPlaces("", "relative", "/home/p").settingsFile, defaults.settingsFile);
}

TEST(InstallPrefix, IsFoundOnlyForTheGamesFolderBesideTheInstalledHelpPage) {
  TempFolder prefix;
  const std::string games = prefix / (std::string(build::kGamesDir) + "/");
  std::filesystem::create_directories(games);
  EXPECT_EQ(InstallPrefix(games), std::nullopt);  // no help page: a copy in a folder named games
  EXPECT_EQ(PlacesFor(games, nullptr, nullptr, "/home/p").store.settingsFile, games + "suispo.ini");

  const std::string help = prefix / (std::string(build::kGameDataDir) + "/help/");
  std::filesystem::create_directories(help);
  WriteBytes(help + "help.htm", "<html></html>");
  EXPECT_EQ(InstallPrefix(games), prefix.path());
  EXPECT_EQ(InstallPrefix(prefix / "bin/"), std::nullopt);
  EXPECT_EQ(InstallPrefix(prefix.path()), std::nullopt);

  const ProgramPlaces installed = PlacesFor(games, nullptr, nullptr, "/home/p");
  EXPECT_EQ(installed.store.settingsFile, "/home/p/.config/suispo/suispo.ini");
  EXPECT_EQ(installed.helpPage, help + "help.htm");
  const ProgramPlaces portable = PlacesFor(prefix / "bin/", nullptr, nullptr, "/home/p");
  EXPECT_EQ(portable.store.stageFolder, prefix / "bin/");
  EXPECT_EQ(portable.helpPage, prefix / "bin/help/help.htm");
  EXPECT_EQ(HelpPageIn(portable.helpPage, Language::kEnglish), prefix / "bin/help/help_en.htm");  // beside it
  EXPECT_EQ(HelpPageIn(portable.helpPage, Language::kJapanese), portable.helpPage);
}

TEST(InstalledStore, MakesTheXdgFoldersWhenFirstWritingAndRemembersItsOwnFilesByBareName) {
  TempFolder home;
  const StorePlaces places = InstalledPlaces(nullptr, nullptr, home.path());
  StageStore store(places, [] { return kMorning; });
  store.FormCreate();
  EXPECT_TRUE(home.Names().empty());
  store.MarkStageCleared(0);
  store.FormClose({10, 20});

  std::vector<StageLine> cleared = BuiltinStages();
  cleared[0][74] = '1';
  EXPECT_EQ(ReadBytes(places.stageFolder + "20060121 093015.ssp"), StageText(cleared));
  EXPECT_EQ(ReadBytes(places.settingsFile),
            "[Position]\r\nxpos=10\r\nypos=20\r\n[FileName]\r\ndatafile=20060121 093015.ssp\r\n");
  EXPECT_EQ(std::filesystem::status(places.stageFolder).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);

  StageStore next(places, [] { return LocalTime{2007, 1, 1, 1, 1, 1}; });
  next.FormCreate();
  EXPECT_EQ(next.dataList, cleared);
}

}  // namespace
}  // namespace suispo
