// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The player's own regular file, opened and locked to be read as it is now and then replaced whole.
#pragma once

#include <string>
#include <string_view>

namespace suispo {

// What stands at the path when a save looks at it.
enum class OwnFileState {
  kOpen,        // the player's own regular file, read and locked
  kMissing,     // nothing there
  kPlanted,     // a link that was not the player's path, no regular file, or another user's file
  kReadOnly,    // the player's own file, marked read-only
  kUnreadable,  // cannot be read
  kTooLarge,    // past kMaxFileBytes
  kBusy,        // another program held its lock for too long
};

// Opened without following a link unless followLink (the player's path was a link when the file was
// first read; its target must then be the player's own regular file). Saves of the same file wait
// for each other: each holds a lock (flock) on the file from reading it until its replacement has
// taken its name, and a save that waited opens the new file again. The lock goes with the object.
class OwnFile {
 public:
  // createMissing: a missing file is first made empty (never replacing anything), so that there is
  // something to lock; the replacement then takes its place.
  OwnFile(const std::string& path, bool followLink, bool createMissing);
  ~OwnFile();
  OwnFile(const OwnFile&) = delete;
  OwnFile& operator=(const OwnFile&) = delete;

  OwnFileState state() const { return state_; }
  // The bytes read, when kOpen.
  const std::string& bytes() const { return bytes_; }
  // Replaces the file opened by a rename over its own name (the path itself, or the target of the
  // player's own link), keeping its mode; false on failure, and the file is as it was. Only when kOpen.
  bool Replace(std::string_view bytes) const;

 private:
  OwnFileState Open(bool createMissing);

  std::string target_;  // the name that is replaced
  int fd_ = -1;
  OwnFileState state_ = OwnFileState::kMissing;
  std::string bytes_;
};

}  // namespace suispo
