// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The commands' shared reading of their arguments: a leading option.
#include "tools/commands.h"

namespace suispo::tool {

bool TakeLeadingFlag(Args& args, std::string_view flag) {
  if (args.empty() || args[0] != flag) return false;
  args.erase(args.begin());
  return true;
}

}  // namespace suispo::tool
