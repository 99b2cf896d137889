// Missing files and crash-safe whole-file replacement (temporary file, fsync, rename).
#include "app/store/whole_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

#include "app/store/file_paths.h"

namespace suispo {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A link is written through, so the link itself stays in place.
std::string FinalTarget(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// The temporaries of target are ".NAME.PID.N.tmp" beside it: PID the saving process, N its attempt.
std::string TemporaryPrefix(const std::string& target) { return "." + BareName(target) + "."; }

bool AllDigits(std::string_view s) {
  return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process that made a temporary of target named name, or 0 when name is not one.
pid_t SaverOf(std::string_view name, std::string_view prefix) {
  constexpr std::string_view kSuffix = ".tmp";
  if (name.size() <= prefix.size() + kSuffix.size() || !name.starts_with(prefix) || !name.ends_with(kSuffix)) {
    return 0;
  }
  const std::string_view middle = name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
  const std::size_t dot = middle.find('.');
  if (dot == std::string_view::npos || !AllDigits(middle.substr(0, dot)) || !AllDigits(middle.substr(dot + 1))) {
    return 0;
  }
  return static_cast<pid_t>(std::stol(std::string(middle.substr(0, dot))));
}

// A save killed before its rename leaves its temporary behind: the next save of the same file
// removes those whose process is gone. A running save of another process keeps its own.
void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderOf(target);
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  const std::string prefix = TemporaryPrefix(target);
  while (const dirent* entry = readdir(dir)) {
    const pid_t saver = SaverOf(entry->d_name, prefix);
    if (saver <= 0) continue;
    const bool gone = saver == getpid() || (kill(saver, 0) != 0 && errno == ESRCH);
    struct stat info {};
    if (gone && fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  closedir(dir);
}

// Opens a new, not yet existing file beside target; fills tempPath.
int CreateTemporary(const std::string& target, std::string& tempPath) {
  const std::string stem = FolderOf(target) + TemporaryPrefix(target) + std::to_string(getpid()) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = stem + std::to_string(attempt) + ".tmp";
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const std::string& target) {
  const std::string folder = FolderOf(target);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // the rename is already done; a failure here loses nothing that was there before
  close(fd);
}

}  // namespace

bool IsMissing(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = FinalTarget(path);
  RemoveStaleTemporaries(target);
  std::string tempPath;
  const int fd = CreateTemporary(target, tempPath);
  if (fd < 0) return false;
  struct stat old {};
  bool ok = stat(target.c_str(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && rename(tempPath.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(target);
  return true;
}

}  // namespace suispo
