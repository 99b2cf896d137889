// Stage files as text: one stage line per line, lines end at CR LF, CR or LF; written with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "stage_line.h"

namespace suispo {

inline constexpr std::size_t kMaxLineBytes = 4095;

// Splits a stage file's bytes into lines. name is the file name used in error texts.
// Refuses a file holding a NUL byte or a line of 4096 bytes or more (GameError).
std::vector<StageLine> ParseStageText(std::string_view bytes, std::string_view name);
// Every line followed by CR LF, the last included.
std::string StageText(const std::vector<StageLine>& lines);

// Reads a whole file; throws GameError "ファイル %s は開けません" (%s = path) when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Reads and parses a stage file.
std::vector<StageLine> ReadStageFile(const std::string& path);

}  // namespace suispo
