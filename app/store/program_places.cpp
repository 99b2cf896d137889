// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Telling an installed program from a portable one, and the XDG folders of an installed one.
#include "app/store/program_places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "app/store/file_paths.h"
#include "suispo/build_info.h"

namespace suispo {
namespace {

std::string HelpPageUnder(const std::string& prefix) {
  return prefix + build::kGameDataDir + "/help/help.htm";
}

// An XDG base folder: the variable when it holds an absolute path, else the default under home.
std::string BaseFolder(const char* variable, const std::string& home, const char* fallback) {
  std::string folder = variable != nullptr && variable[0] == '/' ? variable : home + "/" + fallback;
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

}  // namespace

std::optional<std::string> InstallPrefix(const std::string& programDir) {
  const std::string games = std::string("/") + build::kGamesDir + "/";
  if (programDir.size() < games.size() || programDir.compare(programDir.size() - games.size(), games.size(), games) != 0) {
    return std::nullopt;
  }
  const std::string prefix = programDir.substr(0, programDir.size() - games.size() + 1);
  if (!IsRegularFile(HelpPageUnder(prefix))) return std::nullopt;
  return prefix;
}

StorePlaces PortablePlaces(const std::string& programDir) { return {programDir + "suispo.ini", programDir}; }

StorePlaces InstalledPlaces(const char* xdgConfigHome, const char* xdgDataHome, const std::string& home) {
  return {BaseFolder(xdgConfigHome, home, ".config") + "suispo/suispo.ini",
          BaseFolder(xdgDataHome, home, ".local/share") + "suispo/"};
}

ProgramPlaces PlacesFor(const std::string& programDir, const char* xdgConfigHome, const char* xdgDataHome,
                        const std::string& home) {
  const std::optional<std::string> prefix = InstallPrefix(programDir);
  if (!prefix) return {PortablePlaces(programDir), programDir + "help/help.htm", programDir + "stages/"};
  return {InstalledPlaces(xdgConfigHome, xdgDataHome, home), HelpPageUnder(*prefix),
          *prefix + build::kGameDataDir + "/stages/"};
}

ProgramPlaces PlacesOfThisProgram() {
  return PlacesFor(ProgramDirectory(), std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_DATA_HOME"), HomeFolder());
}

std::string HelpPageIn(const std::string& page, Language language) {
  if (language == Language::kJapanese || !page.ends_with(".htm")) return page;
  return page.substr(0, page.size() - 4) + "_en.htm";
}

}  // namespace suispo
