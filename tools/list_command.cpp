// Placeholder until the list command is built.
#include <iostream>

#include "tools/commands.h"

namespace suispo::tool {

int ListCommand(const Args&) {
  std::cerr << "suispo-stage: list is not available yet\n";
  return 2;
}

}  // namespace suispo::tool
