// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where the game keeps its files: beside the program as built or copied, in the player's home when
// installed; and how the program tells the two apart.
#pragma once

#include <optional>
#include <string>

#include "app/store/language.h"

namespace suispo {

// The settings file, and the folder of the stage file that start-up generates or remembers by bare
// name (ending in '/').
struct StorePlaces {
  std::string settingsFile;
  std::string stageFolder;
};

struct ProgramPlaces {
  StorePlaces store;
  std::string helpPage;  // shipped with the program: beside it, or in the installed data folder
  std::string chapterFolder;  // the stage collection shipped with it, likewise (ending in '/')
};

// The install prefix (ending in '/') when programDir is <prefix>/<games folder>/ and the prefix's
// game data folder holds the help page, as an install lays it out; nothing for the program in its
// build folder or a copy in a folder of its own.
std::optional<std::string> InstallPrefix(const std::string& programDir);

// The program's own folder for both.
StorePlaces PortablePlaces(const std::string& programDir);
// $XDG_CONFIG_HOME/suispo/suispo.ini and $XDG_DATA_HOME/suispo/; an unset, empty or relative
// variable means ~/.config or ~/.local/share. Arguments may be null.
StorePlaces InstalledPlaces(const char* xdgConfigHome, const char* xdgDataHome, const std::string& home);

// The places of a program in programDir: an installed one's in the player's XDG folders (the
// arguments as for InstalledPlaces), a portable one's beside it.
ProgramPlaces PlacesFor(const std::string& programDir, const char* xdgConfigHome, const char* xdgDataHome,
                        const std::string& home);
// The places of the running program, from its own path and the environment.
ProgramPlaces PlacesOfThisProgram();

// The help page (help.htm) in language: the English one, help_en.htm, lies beside it.
std::string HelpPageIn(const std::string& page, Language language);

}  // namespace suispo
