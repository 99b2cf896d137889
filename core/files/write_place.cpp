// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Walking a path folder by folder, following only the player's and the system's links.
#include "core/files/write_place.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <string_view>

namespace suispo {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// As the kernel's own limit on links in one path.
constexpr int kMostLinks = 40;

std::deque<std::string> PartsOf(std::string_view path) {
  std::deque<std::string> parts;
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    const std::string_view part = path.substr(0, slash);
    if (!part.empty() && part != ".") parts.emplace_back(part);
    path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
  }
  return parts;
}

bool Trusted(uid_t owner) { return owner == geteuid() || owner == 0; }

bool ReadLinkAt(int folder, const std::string& name, std::string& target) {
  char buffer[4096];
  const ssize_t length = readlinkat(folder, name.c_str(), buffer, sizeof buffer);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return false;
  target.assign(buffer, static_cast<std::size_t>(length));
  return true;
}

// Replaces folder with the next one; false when it is not there to open.
bool Enter(int& folder, const std::string& part, bool makeFolders) {
  int next = openat(folder, part.c_str(), kFolderFlags);
  if (next < 0 && errno == ENOENT && makeFolders && (mkdirat(folder, part.c_str(), 0700) == 0 || errno == EEXIST)) {
    next = openat(folder, part.c_str(), kFolderFlags);
  }
  if (next < 0) return false;
  close(folder);
  folder = next;
  return true;
}

// Opens the folder of path's last part, starting at `from` (a relative path) or "/"; folder is
// the descriptor (or -1) and name the last part.
PlaceState OpenFolderOf(int from, std::string_view path, bool makeFolders, int& folder, std::string& name) {
  folder = path.starts_with('/') ? open("/", kFolderFlags)
           : from == AT_FDCWD     ? open(".", kFolderFlags)
                                  : fcntl(from, F_DUPFD_CLOEXEC, 0);
  std::deque<std::string> parts = PartsOf(path);
  if (folder < 0 || parts.empty() || parts.back() == "..") return PlaceState::kNoFolder;
  name = parts.back();
  parts.pop_back();
  int links = 0;
  while (!parts.empty()) {
    const std::string part = parts.front();
    parts.pop_front();
    if (Enter(folder, part, makeFolders)) continue;
    struct stat info {};
    if (fstatat(folder, part.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(info.st_mode)) {
      return PlaceState::kNoFolder;
    }
    std::string target;
    if (!Trusted(info.st_uid) || ++links > kMostLinks) return PlaceState::kForeignLink;
    if (!ReadLinkAt(folder, part, target)) return PlaceState::kNoFolder;
    std::deque<std::string> more = PartsOf(target);
    parts.insert(parts.begin(), more.begin(), more.end());
    if (target.starts_with('/')) {
      close(folder);
      folder = open("/", kFolderFlags);
      if (folder < 0) return PlaceState::kNoFolder;
    }
  }
  return PlaceState::kOpen;
}

}  // namespace

WritePlace::WritePlace(const std::string& path, PlaceOptions options) {
  state_ = OpenFolderOf(AT_FDCWD, path, options.makeFolders, folder_, name_);
  if (open() && options.followOwnLink) FollowOwnLink();
}

WritePlace::~WritePlace() {
  if (folder_ >= 0) close(folder_);
}

void WritePlace::FollowOwnLink() {
  struct stat info {};
  if (fstatat(folder_, name_.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(info.st_mode)) return;
  state_ = PlaceState::kForeignLink;
  std::string target;
  if (info.st_uid != geteuid() || !ReadLinkAt(folder_, name_, target)) return;
  int targetFolder = -1;
  std::string targetName;
  const PlaceState reached = OpenFolderOf(folder_, target, false, targetFolder, targetName);
  struct stat folderInfo {}, file {};
  const bool own = reached == PlaceState::kOpen && fstat(targetFolder, &folderInfo) == 0 &&
                   folderInfo.st_uid == geteuid() &&
                   fstatat(targetFolder, targetName.c_str(), &file, AT_SYMLINK_NOFOLLOW) == 0 &&
                   S_ISREG(file.st_mode) && file.st_uid == geteuid();
  if (!own) {
    if (targetFolder >= 0) close(targetFolder);
    return;
  }
  close(folder_);
  folder_ = targetFolder;
  name_ = targetName;
  state_ = PlaceState::kOpen;
}

}  // namespace suispo
