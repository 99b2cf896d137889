// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Crash-safe whole-file replacement (unguessable temporary, fsync, rename) and file identities.
#include "core/files/file_replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <climits>
#include <cstdlib>
#include <ctime>

namespace suispo {
namespace {

// An interrupted save's temporary is taken for stale only when no save holds it and it is older
// than any save takes, so a save that has just made its temporary keeps it.
constexpr time_t kStaleSeconds = 60;
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomPart = 6;  // mkstemps' "XXXXXX"

std::string FolderPart(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string NamePart(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

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

std::string FinalTarget(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// The temporaries of target are "." NAME "." six random characters ".tmp" beside it.
std::string TemporaryPrefix(const std::string& target) { return "." + NamePart(target) + "."; }

bool IsTemporaryOf(std::string_view name, std::string_view prefix) {
  return name.size() == prefix.size() + kRandomPart + kSuffix.size() && name.starts_with(prefix) &&
         name.ends_with(kSuffix);
}

// A save holds a lock on its temporary until it is renamed or removed; a killed save's lock is gone.
void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderPart(target);
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  const std::string prefix = TemporaryPrefix(target);
  const time_t now = time(nullptr);
  while (const dirent* entry = readdir(dir)) {
    if (!IsTemporaryOf(entry->d_name, prefix)) continue;
    const int fd = openat(dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    // Only the player's own regular files: never what another user put there.
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
        now - info.st_mtime >= kStaleSeconds && flock(fd, LOCK_EX | LOCK_NB) == 0) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
    close(fd);
  }
  closedir(dir);
}

// Opens a new file with an unguessable name beside target, locked while the save runs.
int CreateTemporary(const std::string& target, std::string& tempPath) {
  std::string pattern = FolderPart(target) + TemporaryPrefix(target) + std::string(kRandomPart, 'X') +
                        std::string(kSuffix);
  const int fd = mkostemps(pattern.data(), static_cast<int>(kSuffix.size()), O_CLOEXEC);
  if (fd < 0) return -1;
  tempPath = pattern;
  flock(fd, LOCK_EX | LOCK_NB);
  return fd;
}

mode_t NewFileMode() {
  // The umask can only be read by setting it; it is set back at once.
  const mode_t mask = umask(022);
  umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const std::string& target) {
  const std::string folder = FolderPart(target);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // the rename is already done; a failure here loses nothing that was there before
  close(fd);
}

// Writes bytes to a new temporary beside target with the mode, flushed to disk; -1 on failure (and
// then no temporary is left). The temporary stays locked until its descriptor is closed.
int WriteTemporary(const std::string& target, std::string_view bytes, mode_t mode, std::string& tempPath) {
  RemoveStaleTemporaries(target);
  const int fd = CreateTemporary(target, tempPath);
  if (fd < 0) return -1;
  if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) {
    unlink(tempPath.c_str());
    close(fd);
    return -1;
  }
  return fd;
}

// Gives the temporary target's name unless something already has it: renameat2's no-replace
// where the file system knows it, else a hard link (which never replaces either).
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  if (link(from.c_str(), to.c_str()) != 0) return errno;
  unlink(from.c_str());
  return 0;
}

}  // namespace

bool IsMissing(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

bool ReplaceFileAt(const std::string& target, std::string_view bytes) {
  struct stat old {};
  const bool replacing = lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  std::string tempPath;
  const int fd = WriteTemporary(target, bytes, replacing ? (old.st_mode & 07777) : NewFileMode(), tempPath);
  if (fd < 0) return false;
  const bool ok = rename(tempPath.c_str(), target.c_str()) == 0;
  close(fd);  // after the rename, so the temporary is never seen unlocked under its own name
  if (!ok) {
    unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(target);
  return true;
}

CreateResult CreateFileAt(const std::string& target, std::string_view bytes) {
  if (!IsMissing(target)) return CreateResult::kExists;
  std::string tempPath;
  const int fd = WriteTemporary(target, bytes, NewFileMode(), tempPath);
  if (fd < 0) return CreateResult::kFailed;
  const int error = RenameNoReplace(tempPath, target);
  close(fd);
  if (error != 0) {
    unlink(tempPath.c_str());
    return error == EEXIST ? CreateResult::kExists : CreateResult::kFailed;
  }
  SyncFolder(target);
  return CreateResult::kCreated;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  return ReplaceFileAt(FinalTarget(path), bytes);
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return std::nullopt;
  FileIdentity identity;
  identity.link = S_ISLNK(info.st_mode);
  if (identity.link && stat(path.c_str(), &info) != 0) return std::nullopt;
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  return identity;
}

}  // namespace suispo
