// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The player's own regular file, opened and locked to be read as it is now and then replaced whole.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/file_replacement.h"
#include "core/files/write_place.h"

namespace suispo {

// What stands at the path when a save looks at it.
enum class OwnFileState {
  kOpen,         // the player's own regular file, read and locked
  kMissing,      // nothing there
  kPlanted,      // a link that was not the player's path, no regular file, or another user's file
  kForeignLink,  // the walk to it met a link it may not follow (core/files/write_place.h)
  kReadOnly,     // the player's own file, marked read-only
  kUnreadable,   // cannot be read
  kTooLarge,     // past kMaxFileBytes
  kBusy,         // another program held its lock for too long
};

// Opened in the folder the walk of write_place.h reaches, without following a link at the name
// unless followLink (the player's path was a link when the file was first read; it must then be the
// player's own link to the player's own regular file in the player's own folder). Saves of the same
// file wait for each other: each holds a lock (flock) on the file from reading it until its
// replacement has taken its name, and a save that waited opens the new file again. The lock goes
// with the object.
class OwnFile {
 public:
  // createMissing: missing folders are made, and a missing file is first made empty (never replacing anything), so that there is
  // something to lock; the replacement then takes its place.
  OwnFile(const std::string& path, bool followLink, bool createMissing);
  ~OwnFile();
  OwnFile(const OwnFile&) = delete;
  OwnFile& operator=(const OwnFile&) = delete;

  OwnFileState state() const { return state_; }
  // The bytes read, when kOpen.
  const std::string& bytes() const { return bytes_; }
  // Nobody is writing the file: it did not change while it was read, and it is as the game itself
  // last left it (known) or was not changed within the last second (an editor saving in place
  // writes in pieces, each of which changes it).
  bool Quiet(const std::optional<FileStamp>& known) const;
  // Replaces the file opened by a rename over its own name (the path itself, or the target of the
  // player's own link), keeping its mode, only while it is still as it was read and Quiet (kBusy
  // otherwise); on failure the file is as it was. Only when kOpen.
  WriteResult Replace(std::string_view bytes, const std::optional<FileStamp>& known);
  // The file as it stood when read.
  const FileStamp& read() const { return read_; }
  // The new file's stamp after a Replace that wrote it.
  const FileStamp& written() const { return written_; }

 private:
  OwnFileState Open(bool createMissing);

  std::optional<WritePlace> place_;
  int fd_ = -1;
  OwnFileState state_ = OwnFileState::kMissing;
  std::string bytes_;
  FileStamp read_;            // as it stood once read
  bool changedInRead_ = false;
  bool madeHere_ = false;     // made empty by this save: nobody else writes it
  FileStamp written_;
};

// A save of a file others may write too: the file opened as OwnFile, its bytes given to merge (which
// returns what to write, or throws to refuse), replaced once it is quiet; while another program
// writes it, the save waits and tries again a few times, then ends kBusy, the file as it was.
struct OwnSave {
  OwnFileState state = OwnFileState::kMissing;
  WriteResult result = WriteResult::kFailed;  // when kOpen
  FileStamp written;                          // when kWritten
};
OwnSave SaveOwnFile(const std::string& path, bool followLink, bool createMissing, const std::optional<FileStamp>& known,
                    const std::function<std::string(const std::string& bytes)>& merge);

}  // namespace suispo
