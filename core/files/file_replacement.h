// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Replacing a file whole so that a failure never leaves it damaged, and what a path names now.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace suispo {

// True when nothing (not even a link) exists at path.
bool IsMissing(const std::string& path);

// Writes bytes to a temporary file beside path, flushes it to disk and renames it over path itself:
// a link at path is replaced, never written through. On failure returns false, removes the
// temporary file and leaves path byte for byte as it was. A replaced file keeps its mode; a new one
// gets 0666 less the umask. The temporary's name cannot be guessed ahead ("." NAME ".XXXXXX.tmp"),
// so nobody can block a save by making it first; temporaries that an interrupted save of the same
// file left behind are removed first.
bool ReplaceFileAt(const std::string& path, std::string_view bytes);
// Writes a new file at path as ReplaceFileAt does, but never replaces anything already there (not
// even a link leading nowhere): kExists then, and path stays as it was.
enum class CreateResult { kCreated, kExists, kFailed };
CreateResult CreateFileAt(const std::string& path, std::string_view bytes);
// As ReplaceFileAt, but a link at path is written through, so the link itself stays in place.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// Which file a path names: its device and inode, and whether the path itself is a link (as lstat
// sees it; a link's device and inode are those of the file it leads to).
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool link = false;
  bool operator==(const FileIdentity&) const = default;
};
// Nothing when nothing is at path or the link leads nowhere.
std::optional<FileIdentity> IdentityOf(const std::string& path);

}  // namespace suispo
