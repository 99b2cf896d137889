// The commands of the stage tool; each takes the arguments after its name and returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace suispo::tool {

using Args = std::vector<std::string>;

int PlayCommand(const Args& args);    // replay operations on a stage
int ListCommand(const Args& args);    // list the stages of a file
int RenderCommand(const Args& args);  // draw the play surface to a PNG

}  // namespace suispo::tool
