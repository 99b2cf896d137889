// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the game's command line asks for: help, the version, or a run with an optional stage file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace suispo {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kBadUsage };
  Action action = Action::kRun;
  std::optional<std::string> stageFile;  // kRun: the file to open after start-up
  std::string problem;                   // kBadUsage: what was wrong
};

// args: the arguments after the program name. "--help" and "--version" win wherever they stand;
// "--" ends the options, so a file name may start with '-'.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The arguments after the program name.
std::vector<std::string> ArgumentsOf(int argc, char** argv);

// For every action but kRun: prints the help or the version (exit status 0), or the problem and
// the usage on the error stream (2). Returns the exit status.
int AnswerWithoutWindow(const CommandLine& line);

}  // namespace suispo
