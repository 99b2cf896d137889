// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Replacing a file whole so that a failure never leaves it damaged, and what a path names now.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/write_place.h"
#include "core/text/game_error.h"

namespace suispo {

// True when nothing (not even a link) exists at path.
bool IsMissing(const std::string& path);

// How a write ended.
enum class WriteResult {
  kWritten,
  kExists,       // a create found the name taken (by anything, even a link leading nowhere)
  kForeignLink,  // the path's walk met a link it may not follow (core/files/write_place.h)
  kNoFolder,     // a folder of the path is missing or cannot be opened
  kTooLarge,     // more than the game reads back (kMaxFileBytes): nothing written
  kDiskFull,     // no room left on the disk, or the player's quota is spent
  kBusy,         // another program was writing the file (core/files/own_file.h)
  kFailed,       // any other failure
};

// How a path is written: a new file that replaces nothing, or a replacement of what is there; a
// replacement writes over the player's own link's target (followOwnLink) or over the link itself.
struct WriteHow {
  bool create = false;
  bool followOwnLink = false;
  bool makeFolders = false;
};

// Writes bytes to a temporary file beside the name, flushes it to disk and renames it over the
// name, all relative to the folder the walk opened (write_place.h). On failure the temporary is
// removed and the name stays byte for byte as it was. A replaced file keeps its mode; a new one gets
// 0666 less the umask. The temporary's name cannot be guessed ahead ("." NAME ".XXXXXX.tmp"), so
// nobody can block a save by making it first; temporaries that an interrupted save of the same file
// left behind are removed first. Bytes past kMaxFileBytes are not written: the game would refuse
// to read them back.
WriteResult WriteFileAt(const std::string& path, std::string_view bytes, WriteHow how);
// A file as it stood at a moment: a save that finds it so knows nobody wrote it since.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long changeSeconds = 0;
  long changeNanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const struct stat& info);
// The stamp of the file path names, a link followed.
std::optional<FileStamp> StampOf(const std::string& path);

// The same in a folder already walked to (a place not open gives its refusal): replacing the name
// (with mode, else the mode of the regular file there or a new file's; written, when given, gets
// the new file's stamp; stillQuiet, when given, is asked once the new bytes are on disk, just before
// the rename, and kBusy returned when it says no), or creating it.
WriteResult ReplaceIn(const WritePlace& place, std::string_view bytes, std::optional<mode_t> mode = std::nullopt,
                      FileStamp* written = nullptr, const std::function<bool()>& stillQuiet = nullptr);
WriteResult CreateIn(const WritePlace& place, std::string_view bytes);
// WriteFileAt replacing the link at path itself, or writing through the player's own link.
bool ReplaceFileAt(const std::string& path, std::string_view bytes);
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// The player's message for a write that ended as result, when it has one of its own (too large,
// disk full, a foreign link); nothing for the others, which each writer words itself.
std::optional<GameError> WriteProblem(WriteResult result, const std::string& shownName);

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
