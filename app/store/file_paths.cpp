// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Path splitting, regular-file tests and the program's own folder.
#include "app/store/file_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "app/store/stage_store.h"

namespace suispo {

std::string FolderOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string BareName(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string AbsoluteFolder(std::string_view folder) {
  char resolved[PATH_MAX];
  if (realpath(folder.empty() ? "." : std::string(folder).c_str(), resolved) != nullptr) {
    std::string canonical = resolved;
    if (canonical.back() != '/') canonical += '/';
    return canonical;
  }
  if (!folder.empty() && folder.front() == '/') return std::string(folder);
  char current[PATH_MAX];
  if (getcwd(current, sizeof current) == nullptr) return std::string(folder);
  std::string absolute = current;
  if (absolute.back() != '/') absolute += '/';
  return absolute + std::string(folder);
}

bool SameFolder(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat first {}, second {};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && S_ISDIR(first.st_mode) &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string ProgramDirectory() {
  char target[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", target, sizeof target - 1);
  if (length <= 0) return AbsoluteFolder("");
  const std::string folder = FolderOf(std::string_view(target, static_cast<std::size_t>(length)));
  return folder.empty() ? AbsoluteFolder("") : folder;
}

}  // namespace suispo
