// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's stage-file refusals, said in English.
#include "tools/stage_file_reading.h"

#include <stdexcept>

#include "core/files/stage_file.h"

namespace suispo::tool {

std::vector<StageLine> ReadStages(const std::string& path) { return ReadStagesText(path).lines; }

StageFileText ReadStagesText(const std::string& path) {
  try {
    return ReadStageFileText(path);
  } catch (const StageFileError& error) {
    using Problem = StageFileError::Problem;
    switch (error.problem) {
      case Problem::kCannotOpen: throw std::runtime_error("cannot open " + path);
      case Problem::kTooLarge: throw std::runtime_error(path + " is too large");
      case Problem::kNotText: throw std::runtime_error(path + " is no text file (it holds a NUL byte)");
      case Problem::kLineTooLong:
        throw std::runtime_error(path + ": line " + std::to_string(error.line) + " is too long");
      case Problem::kTooManyLines:
        throw std::runtime_error(path + " has too many lines (at most " + std::to_string(kMaxStageLines) + ")");
    }
    throw;
  }
}

}  // namespace suispo::tool
