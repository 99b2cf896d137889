// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Crash-safe whole-file replacement (unguessable temporary, fsync, rename) and file identities.
#include "core/files/file_replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "core/files/regular_file.h"

namespace suispo {
namespace {

// An interrupted save's temporary is taken for stale only when no save holds it and it is older
// than any save takes, so a save that has just made its temporary keeps it.
constexpr time_t kStaleSeconds = 60;
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomPart = 6;
constexpr int kNameTries = 100;

bool NoRoom(int error) { return error == ENOSPC || error == EDQUOT; }

// Every byte written, or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// The temporaries of name are "." NAME "." six random characters ".tmp" beside it.
std::string TemporaryPrefix(const std::string& name) { return "." + name + "."; }

bool IsTemporaryOf(std::string_view name, std::string_view prefix) {
  return name.size() == prefix.size() + kRandomPart + kSuffix.size() && name.starts_with(prefix) &&
         name.ends_with(kSuffix);
}

// A save holds a lock on its temporary until it is renamed or removed; a killed save's lock is gone.
void RemoveStaleTemporaries(const WritePlace& place) {
  const int listing = openat(place.folder(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* dir = listing < 0 ? nullptr : fdopendir(listing);
  if (dir == nullptr) {
    if (listing >= 0) close(listing);
    return;
  }
  const std::string prefix = TemporaryPrefix(place.name());
  const time_t now = time(nullptr);
  while (const dirent* entry = readdir(dir)) {
    if (!IsTemporaryOf(entry->d_name, prefix)) continue;
    const int fd = openat(place.folder(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    // Only the player's own regular files: never what another user put there.
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
        now - info.st_mtime >= kStaleSeconds && flock(fd, LOCK_EX | LOCK_NB) == 0) {
      unlinkat(place.folder(), entry->d_name, 0);
    }
    close(fd);
  }
  closedir(dir);
}

std::string RandomPart() {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char random[kRandomPart] = {};
  if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
    for (unsigned char& r : random) r = static_cast<unsigned char>(std::rand());
  }
  std::string part;
  for (const unsigned char r : random) part += kLetters[r % (sizeof kLetters - 1)];
  return part;
}

// Opens a new file with an unguessable name beside the name, locked while the save runs.
int CreateTemporary(const WritePlace& place, std::string& tempName) {
  for (int tries = 0; tries < kNameTries; ++tries) {
    tempName = TemporaryPrefix(place.name()) + RandomPart() + std::string(kSuffix);
    const int fd = openat(place.folder(), tempName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
      flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

mode_t NewFileMode() {
  // The umask can only be read by setting it; it is set back at once.
  const mode_t mask = umask(022);
  umask(mask);
  return 0666 & ~mask;
}

// Writes bytes to a new temporary beside the name with the mode, flushed to disk; -1 on failure
// (and then no temporary is left, and error tells why). The temporary stays locked until its
// descriptor is closed.
int WriteTemporary(const WritePlace& place, std::string_view bytes, mode_t mode, std::string& tempName,
                   WriteResult& error) {
  RemoveStaleTemporaries(place);
  error = WriteResult::kFailed;
  const int fd = CreateTemporary(place, tempName);
  if (fd < 0) {
    if (NoRoom(errno)) error = WriteResult::kDiskFull;
    return -1;
  }
  int failure = fchmod(fd, mode) != 0 ? errno : WriteAll(fd, bytes);
  if (failure == 0 && fsync(fd) != 0) failure = errno;
  if (failure != 0) {
    if (NoRoom(failure)) error = WriteResult::kDiskFull;
    unlinkat(place.folder(), tempName.c_str(), 0);
    close(fd);
    return -1;
  }
  return fd;
}

// Gives the temporary the name unless something already has it: renameat2's no-replace where the
// file system knows it, else a hard link (which never replaces either).
int RenameNoReplace(const WritePlace& place, const std::string& from) {
  const int folder = place.folder();
  if (renameat2(folder, from.c_str(), folder, place.name().c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  if (linkat(folder, from.c_str(), folder, place.name().c_str(), 0) != 0) return errno;
  unlinkat(folder, from.c_str(), 0);
  return 0;
}

WriteResult Refused(PlaceState state) {
  return state == PlaceState::kForeignLink ? WriteResult::kForeignLink : WriteResult::kNoFolder;
}

}  // namespace

bool IsMissing(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

FileStamp StampOf(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return StampOf(info);
}

WriteResult ReplaceIn(const WritePlace& place, std::string_view bytes, std::optional<mode_t> mode, FileStamp* written,
                      const std::function<bool()>& stillQuiet) {
  if (!place.open()) return Refused(place.state());
  if (bytes.size() > kMaxFileBytes) return WriteResult::kTooLarge;
  if (!mode) {
    struct stat old {};
    const bool replacing =
        fstatat(place.folder(), place.name().c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode);
    mode = replacing ? (old.st_mode & 07777) : NewFileMode();
  }
  std::string tempName;
  WriteResult error = WriteResult::kFailed;
  const int fd = WriteTemporary(place, bytes, *mode, tempName, error);
  if (fd < 0) return error;
  if (stillQuiet && !stillQuiet()) {
    unlinkat(place.folder(), tempName.c_str(), 0);
    close(fd);
    return WriteResult::kBusy;
  }
  const bool ok = renameat(place.folder(), tempName.c_str(), place.folder(), place.name().c_str()) == 0;
  struct stat info {};
  if (ok && written != nullptr && fstat(fd, &info) == 0) *written = StampOf(info);
  close(fd);  // after the rename, so the temporary is never seen unlocked under its own name
  if (!ok) {
    unlinkat(place.folder(), tempName.c_str(), 0);
    return WriteResult::kFailed;
  }
  fsync(place.folder());  // the rename is done; a failure here loses nothing that was there before
  return WriteResult::kWritten;
}

WriteResult CreateIn(const WritePlace& place, std::string_view bytes) {
  if (!place.open()) return Refused(place.state());
  struct stat info {};
  if (fstatat(place.folder(), place.name().c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) return WriteResult::kExists;
  if (bytes.size() > kMaxFileBytes) return WriteResult::kTooLarge;
  std::string tempName;
  WriteResult error = WriteResult::kFailed;
  const int fd = WriteTemporary(place, bytes, NewFileMode(), tempName, error);
  if (fd < 0) return error;
  const int failure = RenameNoReplace(place, tempName);
  close(fd);
  if (failure != 0) {
    unlinkat(place.folder(), tempName.c_str(), 0);
    return failure == EEXIST ? WriteResult::kExists : WriteResult::kFailed;
  }
  fsync(place.folder());
  return WriteResult::kWritten;
}

WriteResult WriteFileAt(const std::string& path, std::string_view bytes, WriteHow how) {
  const WritePlace place(path, {.makeFolders = how.makeFolders, .followOwnLink = how.followOwnLink && !how.create});
  return how.create ? CreateIn(place, bytes) : ReplaceIn(place, bytes);
}

bool ReplaceFileAt(const std::string& path, std::string_view bytes) {
  return WriteFileAt(path, bytes, {}) == WriteResult::kWritten;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  return WriteFileAt(path, bytes, {.followOwnLink = true}) == WriteResult::kWritten;
}

std::optional<GameError> WriteProblem(WriteResult result, const std::string& shownName) {
  switch (result) {
    case WriteResult::kTooLarge: return GameError(MessageId::kTooLargeToSave, {shownName});
    case WriteResult::kDiskFull: return GameError(MessageId::kDiskFull, {shownName});
    case WriteResult::kForeignLink: return GameError(MessageId::kForeignLink, {shownName});
    case WriteResult::kBusy: return GameError(MessageId::kFileBusy, {shownName});
    default: return std::nullopt;
  }
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
