// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage files as text: one stage line per line; lines end at CR LF, CR or LF; written with CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_replacement.h"
#include "core/text/game_error.h"
#include "core/files/regular_file.h"
#include "core/rules/stage_line.h"

namespace suispo {

inline constexpr std::size_t kMaxLineBytes = 4095;
inline constexpr std::size_t kMaxStageLines = 10000;
// What some editors put before the first line of a UTF-8 file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Why a stage file was refused, for a program that words it in its own language.
class StageFileError : public GameError {
 public:
  enum class Problem { kCannotOpen, kTooLarge, kNotText, kLineTooLong, kTooManyLines };
  StageFileError(Problem problem, std::string_view path, std::size_t line = 0);
  Problem problem;
  std::string path;
  std::size_t line;  // kLineTooLong: the line, counted from 1
};

// Splits a stage file's bytes into lines; a byte-order mark at the start is not part of the first
// line. name is the file name used in error texts. Refuses a file holding a NUL byte, a line of
// 4096 bytes or more, or more than kMaxStageLines lines (StageFileError).
std::vector<StageLine> ParseStageText(std::string_view bytes, std::string_view name);
bool StartsWithByteOrderMark(std::string_view bytes);
// Every line followed by CR LF, the last included; the byte-order mark first when asked for.
std::string StageText(const std::vector<StageLine>& lines, bool byteOrderMark = false);

// A stage file's lines, and whether its editor began it with a byte-order mark.
struct StageFileText {
  std::vector<StageLine> lines;
  bool byteOrderMark = false;
};
// Reads and parses a stage file; throws StageFileError kCannotOpen (with the path) when it cannot be
// read, kTooLarge when it is larger than kMaxFileBytes.
StageFileText ReadStageFileText(const std::string& path);
// As ReadStageFileText, but only when path still names that file (a link only if it was one);
// nothing otherwise, or when it cannot be read.
std::optional<StageFileText> ReadSameStageFile(const std::string& path, const FileIdentity& identity);
std::vector<StageLine> ReadStageFile(const std::string& path);

}  // namespace suispo
