// Stage files as text: splitting at CR LF, CR or LF, and writing with CR LF.
#include "core/stage_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/game_error.h"

namespace suispo {

std::vector<StageLine> ParseStageText(std::string_view bytes, std::string_view name) {
  // A NUL byte would cut the file short at the next save: refuse the file rather than lose its end.
  if (bytes.find('\0') != std::string_view::npos) {
    throw GameError(FormatMessage("ファイル %s はテキストファイルではありません", {name}));
  }
  std::vector<StageLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    const bool lastLine = end == std::string_view::npos;
    if (lastLine) end = bytes.size();
    if (end - start > kMaxLineBytes) {
      throw GameError(FormatMessage("ファイル %s の %d 行目が長すぎます", {name, std::to_string(lines.size() + 1)}));
    }
    lines.emplace_back(bytes.substr(start, end - start));
    if (lastLine) break;
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

std::string StageText(const std::vector<StageLine>& lines) {
  std::string text;
  for (const StageLine& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char buffer[65536];
  while (ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

std::vector<StageLine> ReadStageFile(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw GameError(FormatMessage("ファイル %s は開けません", {path}));
  return ParseStageText(*bytes, path);
}

}  // namespace suispo
