// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A regular file read through one descriptor, checked again after the open, without blocking.
#include "core/files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace suispo {
namespace {

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

bool IsRegular(const struct stat& info) { return S_ISREG(info.st_mode); }

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, bool& tooLarge, const FileIdentity* expected) {
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
  return ReadOpenFile(fd.get(), tooLarge);
}

std::optional<std::string> ReadRegularFileAt(int folder, const std::string& name, bool& tooLarge) {
  tooLarge = false;
  const FileDescriptor fd(::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !IsRegular(info)) return std::nullopt;
  return ReadOpenFile(fd.get(), tooLarge);
}

std::optional<std::string> ReadOpenFile(int fd, bool& tooLarge) {
  tooLarge = false;
  struct stat info {};
  if (::fstat(fd, &info) != 0) return std::nullopt;
  tooLarge = static_cast<std::size_t>(info.st_size) > kMaxFileBytes;
  if (tooLarge) return std::nullopt;
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
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

std::optional<std::string> ReadWholeFile(const std::string& path) {
  bool tooLarge = false;
  return ReadRegularFile(path, tooLarge);
}

}  // namespace suispo
