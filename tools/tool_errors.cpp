// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage tool's error reports on standard error.
#include <iostream>

#include "tools/commands.h"
#include "tools/replay.h"
#include "tools/shown_text.h"

namespace suispo::tool {

int Fail(std::string_view message) {
  std::cout.flush();  // what was printed before the error comes first
  std::cerr << "suispo-stage: " << VisibleText(message) << '\n';
  return 2;
}

int Fail(const std::exception& error) {
  // The game's own errors in their English line, as every other message of the tool.
  const int status = Fail(std::string(error.what()));
  return dynamic_cast<const AfterClear*>(&error) != nullptr ? 1 : status;
}

int Usage(std::string_view forms) {
  std::cerr << "suispo-stage: usage: " << forms << '\n';
  return 2;
}

}  // namespace suispo::tool
