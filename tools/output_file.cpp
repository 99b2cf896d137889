// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The tool's output files, written as the game writes its stage files.
#include "tools/output_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <stdexcept>

#include "core/files/file_replacement.h"

namespace suispo::tool {

void WriteOutputFile(const std::string& path, std::string_view bytes) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    throw std::runtime_error(path + " is not a regular file");
  }
  switch (WriteFileAt(path, bytes, {.followOwnLink = true})) {
    case WriteResult::kWritten: return;
    case WriteResult::kForeignLink: throw std::runtime_error("the path of " + path + " passes a link that is not yours");
    case WriteResult::kTooLarge: throw std::runtime_error(path + " would be too large for the game to read");
    case WriteResult::kDiskFull: throw std::runtime_error("the disk is full: cannot write " + path);
    default: throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace suispo::tool
