// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Opening, checking and locking the player's own file for a read-then-replace, and replacing it only when quiet.
#include "core/files/own_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "core/files/regular_file.h"

namespace suispo {
namespace {

// Another game holds the lock only while it reads, merges and writes a small file; a holder that
// keeps it longer is not waited for, so the interface never hangs on someone else's lock: the
// clear waits for the next save instead.
constexpr auto kLockWait = std::chrono::seconds(1);
constexpr auto kLockRetry = std::chrono::milliseconds(10);
// A name taken over between the open and the lock is opened again, a few times at most.
constexpr int kOpenTries = 20;
// A file changed within this long may still be in the middle of an editor's save.
constexpr auto kQuietFor = std::chrono::seconds(1);
// A save that finds the file being written waits for it to be quiet this many times at most.
constexpr int kQuietTries = 3;

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

std::chrono::system_clock::time_point ChangedAt(const FileStamp& stamp) {
  return std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
      std::chrono::seconds(stamp.changeSeconds) + std::chrono::nanoseconds(stamp.changeNanoseconds)));
}

// How long until a file changed at stamp has been left alone for kQuietFor.
std::chrono::milliseconds UntilQuiet(const FileStamp& stamp) {
  const auto left = ChangedAt(stamp) + kQuietFor - std::chrono::system_clock::now();
  return std::clamp(std::chrono::duration_cast<std::chrono::milliseconds>(left) + std::chrono::milliseconds(20),
                    std::chrono::milliseconds(50), std::chrono::milliseconds(1100));
}

}  // namespace

OwnFile::OwnFile(const std::string& path, bool followLink, bool createMissing) {
  place_.emplace(path, PlaceOptions{.makeFolders = createMissing, .followOwnLink = followLink});
  switch (place_->state()) {
    case PlaceState::kOpen: state_ = Open(createMissing); break;
    case PlaceState::kForeignLink: state_ = OwnFileState::kForeignLink; break;
    case PlaceState::kNoFolder: state_ = OwnFileState::kMissing; break;
  }
}

OwnFile::~OwnFile() {
  if (fd_ >= 0) close(fd_);
}

OwnFileState OwnFile::Open(bool createMissing) {
  const int folder = place_->folder();
  const char* name = place_->name().c_str();
  for (int tries = 0; tries < kOpenTries; ++tries) {
    if (fd_ >= 0) close(fd_);
    fd_ = openat(folder, name, kOpenFlags);
    madeHere_ = false;
    if (fd_ < 0 && errno == ENOENT) {
      if (!createMissing) return OwnFileState::kMissing;
      fd_ = openat(folder, name, kOpenFlags | O_CREAT | O_EXCL, 0666);
      if (fd_ < 0 && errno == EEXIST) continue;  // another save made it first
      madeHere_ = fd_ >= 0;
    }
    if (fd_ < 0) return errno == ELOOP ? OwnFileState::kPlanted : OwnFileState::kUnreadable;
    struct stat info {};
    if (fstat(fd_, &info) != 0) return OwnFileState::kUnreadable;
    if (!S_ISREG(info.st_mode) || info.st_uid != geteuid()) return OwnFileState::kPlanted;
    if (!TakeLock(fd_)) return OwnFileState::kBusy;
    struct stat named {};
    // The name still leads to the file that was opened (no save replaced it meanwhile).
    if (fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_dev != info.st_dev ||
        named.st_ino != info.st_ino) {
      continue;
    }
    // Root may write anything, yet a file without any write permission was meant to stay as it is.
    if ((info.st_mode & 0222) == 0 || faccessat(folder, name, W_OK, 0) != 0) return OwnFileState::kReadOnly;
    if (fstat(fd_, &info) != 0) return OwnFileState::kUnreadable;
    bool tooLarge = false;
    std::optional<std::string> bytes = ReadOpenFile(fd_, tooLarge);
    if (!bytes) return tooLarge ? OwnFileState::kTooLarge : OwnFileState::kUnreadable;
    bytes_ = std::move(*bytes);
    struct stat after {};
    read_ = StampOf(info);
    changedInRead_ = fstat(fd_, &after) != 0 || !(StampOf(after) == read_);
    return OwnFileState::kOpen;
  }
  return OwnFileState::kBusy;
}

bool OwnFile::Quiet(const std::optional<FileStamp>& known) const {
  if (changedInRead_) return false;
  if (madeHere_ || (known && *known == read_)) return true;
  return std::chrono::system_clock::now() - ChangedAt(read_) >= kQuietFor;
}

WriteResult OwnFile::Replace(std::string_view bytes, const std::optional<FileStamp>& known) {
  if (state_ != OwnFileState::kOpen) return WriteResult::kFailed;
  // Looked at again once the new bytes are on disk, just before the rename: an editor that began
  // writing meanwhile is not cut short.
  struct stat now {};
  const auto stillQuiet = [&] { return fstat(fd_, &now) == 0 && StampOf(now) == read_ && Quiet(known); };
  if (!stillQuiet()) return WriteResult::kBusy;
  return ReplaceIn(*place_, bytes, now.st_mode & 07777, &written_, stillQuiet);
}

OwnSave SaveOwnFile(const std::string& path, bool followLink, bool createMissing, const std::optional<FileStamp>& known,
                    const std::function<std::string(const std::string& bytes)>& merge) {
  std::chrono::milliseconds wait{0};
  for (int tries = 0; tries < kQuietTries; ++tries) {
    std::this_thread::sleep_for(wait);
    OwnFile file(path, followLink, createMissing);
    if (file.state() != OwnFileState::kOpen) return {file.state(), WriteResult::kFailed, {}};
    const WriteResult result = file.Quiet(known) ? file.Replace(merge(file.bytes()), known) : WriteResult::kBusy;
    if (result != WriteResult::kBusy) return {OwnFileState::kOpen, result, file.written()};
    wait = UntilQuiet(file.read());  // the lock goes with file, so the writer is not held up
  }
  return {OwnFileState::kOpen, WriteResult::kBusy, {}};
}

}  // namespace suispo
