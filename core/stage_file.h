// Stage files as text (one stage line per line; lines end at CR LF, CR or LF; written with CR LF), and
// reading a file whole.
#pragma once

#include <optional>
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

// A whole file's bytes; nothing when it is missing, a folder or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Reads and parses a stage file; throws GameError "ファイル %s は開けません" (%s = path) when it cannot
// be read.
std::vector<StageLine> ReadStageFile(const std::string& path);

}  // namespace suispo
