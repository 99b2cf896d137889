// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The one rule for where a save may write: the folder reached by a walk that follows no link of another user.
#pragma once

#include <string>

namespace suispo {

// What the walk to a path's folder found.
enum class PlaceState {
  kOpen,         // the folder is open and the name is in it
  kForeignLink,  // a link of another user on the way, or the player's own link at the name leading
                 // elsewhere than in one step to the player's own regular file in the player's own folder
  kNoFolder,     // a folder of the path is missing (and not to be made) or cannot be opened
};

struct PlaceOptions {
  bool makeFolders = false;    // missing folders are made, readable by the player only
  bool followOwnLink = false;  // the player's own link at the name is followed, in one step
};

// Every folder of the path is opened from the one before it (openat with O_NOFOLLOW and
// O_DIRECTORY), from "/" or the current folder. A link met on the way is followed only when it is
// the player's or the system's (root's, as /lib or a /home moved by the administrator are): a
// neighbour who can write a folder of the path cannot turn the walk elsewhere. Writes then happen
// relative to the folder's descriptor (openat, renameat), so a folder swapped for a link after the
// walk cannot redirect them.
class WritePlace {
 public:
  WritePlace(const std::string& path, PlaceOptions options);
  ~WritePlace();
  WritePlace(const WritePlace&) = delete;
  WritePlace& operator=(const WritePlace&) = delete;

  PlaceState state() const { return state_; }
  bool open() const { return state_ == PlaceState::kOpen; }
  // The folder's descriptor and the name in it: the path's own, or its link's target.
  int folder() const { return folder_; }
  const std::string& name() const { return name_; }

 private:
  void FollowOwnLink();

  int folder_ = -1;
  std::string name_;
  PlaceState state_ = PlaceState::kNoFolder;
};

}  // namespace suispo
