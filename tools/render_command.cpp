// Placeholder until the render command is built.
#include <iostream>

#include "tools/commands.h"

namespace suispo::tool {

int RenderCommand(const Args&) {
  std::cerr << "suispo-stage: render is not available yet\n";
  return 2;
}

}  // namespace suispo::tool
