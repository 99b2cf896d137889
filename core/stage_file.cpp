// Stage files as text: splitting at CR LF, CR or LF, and writing with CR LF.
#include "core/stage_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "core/game_error.h"

namespace suispo {
namespace {

using Problem = StageFileError::Problem;

std::string ProblemText(Problem problem, std::string_view path, std::size_t line) {
  switch (problem) {
    case Problem::kCannotOpen: return FormatMessage("ファイル %s は開けません", {path});
    case Problem::kTooLarge: return FormatMessage("ファイル %s は大きすぎます", {path});
    case Problem::kNotText: return FormatMessage("ファイル %s はテキストファイルではありません", {path});
    case Problem::kLineTooLong: return FormatMessage("ファイル %s の %d 行目が長すぎます", {path, std::to_string(line)});
    case Problem::kTooManyLines: return FormatMessage("ファイル %s は行が多すぎます", {path});
  }
  return std::string(path);
}

StageFileError TooLarge(std::string_view name) { return StageFileError(Problem::kTooLarge, name); }

// Closes the descriptor however the read ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

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

bool IsRegular(const struct stat& info) { return S_ISREG(info.st_mode); }

// The bytes of a regular file, or nothing; tooLarge tells a file past kMaxFileBytes from the rest.
// With expected, only that file is read: a link is not followed unless the path was one, and the
// file opened must have its device and inode.
std::optional<std::string> ReadRegularFile(const std::string& path, bool& tooLarge,
                                           const FileIdentity* expected = nullptr) {
  tooLarge = false;
  // Only a regular file is opened, and without waiting: a FIFO, a device or a socket would hold
  // the open or the first read for good.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !IsRegular(info)) return std::nullopt;
  tooLarge = static_cast<std::size_t>(info.st_size) > kMaxFileBytes;
  if (tooLarge) return std::nullopt;
  const int noFollow = expected != nullptr && !expected->link ? O_NOFOLLOW : 0;
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | noFollow));
  // Checked again on what was opened: the name may have been given to something else meanwhile.
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !IsRegular(info)) return std::nullopt;
  if (expected != nullptr && (info.st_dev != expected->device || info.st_ino != expected->inode)) return std::nullopt;
  std::string bytes;
  bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), kMaxFileBytes));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    // A file that grows while it is read is held to the same limit.
    tooLarge = bytes.size() + static_cast<std::size_t>(n) > kMaxFileBytes;
    if (tooLarge) return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

}  // namespace

StageFileError::StageFileError(Problem problem, std::string_view path, std::size_t line)
    : GameError(ProblemText(problem, path, line)), problem(problem), path(path), line(line) {}

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

std::optional<std::string> ReadWholeFile(const std::string& path) {
  bool tooLarge = false;
  return ReadRegularFile(path, tooLarge);
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
