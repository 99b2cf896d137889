// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage lines out of a file's bytes (split at CR LF, CR or LF, with their limits) and back with CR LF.
#include "core/files/stage_file.h"

#include <optional>

#include "core/text/game_error.h"
#include "core/files/regular_file.h"

namespace suispo {
namespace {

using Problem = StageFileError::Problem;

MessageId MessageOf(Problem problem) {
  switch (problem) {
    case Problem::kCannotOpen: return MessageId::kCannotOpenFile;
    case Problem::kTooLarge: return MessageId::kFileTooLarge;
    case Problem::kNotText: return MessageId::kNotTextFile;
    case Problem::kLineTooLong: return MessageId::kLineTooLong;
    case Problem::kTooManyLines: return MessageId::kTooManyLines;
  }
  return MessageId::kCannotOpenFile;
}

std::vector<std::string> ArgsOf(Problem problem, std::string_view path, std::size_t line) {
  if (problem == Problem::kLineTooLong) return {std::string(path), std::to_string(line)};
  return {std::string(path)};
}

StageFileError TooLarge(std::string_view name) { return StageFileError(Problem::kTooLarge, name); }

// Calls f with each line, without its line end. A line end at the very end adds no empty line.
template <typename F>
void ForEachLine(std::string_view bytes, F f) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      f(bytes.substr(start));
      return;
    }
    f(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
}

}  // namespace

StageFileError::StageFileError(Problem problem, std::string_view path, std::size_t line)
    : GameError(MessageOf(problem), ArgsOf(problem, path, line)), problem(problem), path(path), line(line) {}

bool StartsWithByteOrderMark(std::string_view bytes) { return bytes.starts_with(kByteOrderMark); }

std::vector<StageLine> ParseStageText(std::string_view bytes, std::string_view name) {
  // A NUL byte would cut the file short at the next save: refuse the file rather than lose its end.
  if (bytes.find('\0') != std::string_view::npos) {
    throw StageFileError(Problem::kNotText, name);
  }
  if (StartsWithByteOrderMark(bytes)) bytes.remove_prefix(kByteOrderMark.size());
  // Counted first, so a file of countless empty lines is refused before a line is kept.
  std::size_t count = 0;
  ForEachLine(bytes, [&](std::string_view line) {
    ++count;
    if (line.size() > kMaxLineBytes) {
      throw StageFileError(Problem::kLineTooLong, name, count);
    }
  });
  if (count > kMaxStageLines) throw StageFileError(Problem::kTooManyLines, name);
  std::vector<StageLine> lines;
  lines.reserve(count);
  ForEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::string StageText(const std::vector<StageLine>& lines, bool byteOrderMark) {
  std::string text(byteOrderMark ? kByteOrderMark : "");
  for (const StageLine& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

StageFileText ReadStageFileText(const std::string& path) {
  bool tooLarge = false;
  const std::optional<std::string> bytes = ReadRegularFile(path, tooLarge);
  if (tooLarge) throw TooLarge(path);
  if (!bytes) throw StageFileError(Problem::kCannotOpen, path);
  return {ParseStageText(*bytes, path), StartsWithByteOrderMark(*bytes)};
}

std::optional<StageFileText> ReadSameStageFile(const std::string& path, const FileIdentity& identity) {
  bool tooLarge = false;
  const std::optional<std::string> bytes = ReadRegularFile(path, tooLarge, &identity);
  if (tooLarge) throw TooLarge(path);
  if (!bytes) return std::nullopt;
  return StageFileText{ParseStageText(*bytes, path), StartsWithByteOrderMark(*bytes)};
}

std::vector<StageLine> ReadStageFile(const std::string& path) { return ReadStageFileText(path).lines; }

}  // namespace suispo
