// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Opening, checking and locking the player's own file for a read-then-replace.
#include "core/files/own_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>

#include "core/files/file_replacement.h"
#include "core/files/regular_file.h"

namespace suispo {
namespace {

// Another game holds the lock only while it reads, merges and writes a small file; a holder that
// keeps it longer is not waited for, so the interface never hangs on someone else's lock.
constexpr auto kLockWait = std::chrono::seconds(3);
constexpr auto kLockRetry = std::chrono::milliseconds(10);
// A name taken over between the open and the lock is opened again, a few times at most.
constexpr int kOpenTries = 20;

constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW;

bool TakeLock(int fd) {
  const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    std::this_thread::sleep_for(kLockRetry);
  }
  return true;
}

// The name still leads to the file that was opened (no save replaced it meanwhile).
bool StillNamed(const std::string& path, const struct stat& opened) {
  struct stat now {};
  return lstat(path.c_str(), &now) == 0 && now.st_dev == opened.st_dev && now.st_ino == opened.st_ino;
}

}  // namespace

OwnFile::OwnFile(const std::string& path, bool followLink, bool createMissing) : target_(path) {
  struct stat info {};
  if (followLink && lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) {
      state_ = OwnFileState::kMissing;
      return;
    }
    target_ = resolved;
  }
  state_ = Open(createMissing);
}

OwnFile::~OwnFile() {
  if (fd_ >= 0) close(fd_);
}

OwnFileState OwnFile::Open(bool createMissing) {
  for (int tries = 0; tries < kOpenTries; ++tries) {
    if (fd_ >= 0) close(fd_);
    fd_ = open(target_.c_str(), kOpenFlags);
    if (fd_ < 0 && errno == ENOENT) {
      if (!createMissing) return OwnFileState::kMissing;
      fd_ = open(target_.c_str(), kOpenFlags | O_CREAT | O_EXCL, 0666);
      if (fd_ < 0 && errno == EEXIST) continue;  // another save made it first
    }
    if (fd_ < 0) return errno == ELOOP ? OwnFileState::kPlanted : OwnFileState::kUnreadable;
    struct stat info {};
    if (fstat(fd_, &info) != 0) return OwnFileState::kUnreadable;
    if (!S_ISREG(info.st_mode) || info.st_uid != geteuid()) return OwnFileState::kPlanted;
    if (!TakeLock(fd_)) return OwnFileState::kBusy;
    if (!StillNamed(target_, info)) continue;
    // Root may write anything, yet a file without any write permission was meant to stay as it is.
    if ((info.st_mode & 0222) == 0 || access(target_.c_str(), W_OK) != 0) return OwnFileState::kReadOnly;
    bool tooLarge = false;
    std::optional<std::string> bytes = ReadOpenFile(fd_, tooLarge);
    if (!bytes) return tooLarge ? OwnFileState::kTooLarge : OwnFileState::kUnreadable;
    bytes_ = std::move(*bytes);
    return OwnFileState::kOpen;
  }
  return OwnFileState::kBusy;
}

bool OwnFile::Replace(std::string_view bytes) const {
  return state_ == OwnFileState::kOpen && ReplaceFileAt(target_, bytes);
}

}  // namespace suispo
