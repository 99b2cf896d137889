// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Profile (INI) files addressed by path, section and key, read and written with our own rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_replacement.h"

namespace suispo {

struct ProfileEntry {
  std::string section;
  std::string key;
  std::string value;
};

// Far beyond any settings file the game writes (its settings and a line for each stage file
// played): a larger one is refused by its size, before any of it is read.
inline constexpr std::size_t kMaxProfileBytes = 4 * 1024 * 1024;

// The whole text of a profile file; nothing when it is missing, no regular file, unreadable or
// larger than kMaxProfileBytes.
std::optional<std::string> ReadProfileText(const std::string& path);
// The value, or fallback when the file, section or key is missing or the file unreadable.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback);
// A value read as an integer: optional blanks and sign, then decimal digits, or "0x"/"0X" and
// hexadecimal digits in a value longer than two characters. Anything else is nothing.
std::optional<int> ParseProfileInteger(std::string_view value);
// The value as ParseProfileInteger reads it, with 0 for anything else.
int ProfileInteger(std::string_view value);
// Sets the entries in order and replaces the file in one step (a missing file is created, its
// folders too with makeFolders), at the path or through the player's own link (the rule of
// core/files/write_place.h). Anything but kWritten when it cannot be written (kFailed for a file
// that is no regular file or cannot be read, kTooLarge for one past kMaxProfileBytes); the old file then stays as it was.
WriteResult WriteProfileStrings(const std::string& path, const std::vector<ProfileEntry>& entries,
                                bool makeFolders = false);

}  // namespace suispo
