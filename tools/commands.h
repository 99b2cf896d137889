// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The commands of the stage tool; each takes the arguments after its name and returns the exit status.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace suispo::tool {

using Args = std::vector<std::string>;

int PlayCommand(const Args& args);    // replay operations on a stage
int ListCommand(const Args& args);    // list the stages of a file
int KeysCommand(const Args& args);    // each stage's puzzle key and name (the built-in stages without a file)
int RenderCommand(const Args& args);  // draw the play surface (or the board panel) to a PNG
int SolveCommand(const Args& args);     // the shortest clear from a stage's start or after some operations
int CheckCommand(const Args& args);     // every stage of a file: problems and par
int GenerateCommand(const Args& args);  // write a file of new stages
int CodeCommand(const Args& args);      // a stage's share code (the built-in stages without a file)
int DecodeCommand(const Args& args);    // the stage line of a share code, printed or appended to a file

// Whether args begins with flag; the flag is taken off.
bool TakeLeadingFlag(Args& args, std::string_view flag);

// Every error the tool reports starts "suispo-stage: ". Fail writes the message (control characters
// escaped) to standard error and returns the exit status 2; Usage does so for the command forms.
int Fail(std::string_view message);
// The same for a caught error (the game's own worded as the game words them), with status 1 for an
// operation after the clear (tools/replay.h).
int Fail(const std::exception& error);
int Usage(std::string_view forms);

}  // namespace suispo::tool
