// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading a file whole, only when it is a regular file and never waiting on it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/files/file_replacement.h"

namespace suispo {

// Far beyond any real stage or settings file, and small enough that a file within it costs memory
// in proportion to its bytes: a list of that many lines is still quick to show.
inline constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

// A whole regular file's bytes; nothing when it is missing, no regular file (a folder, a FIFO, a
// device), unreadable or larger than kMaxFileBytes.
std::optional<std::string> ReadWholeFile(const std::string& path);
// The same, telling a file past kMaxFileBytes (tooLarge) from the rest. With expected, only that
// file is read: a link is not followed unless the path was one, and the file opened must have its
// device and inode.
std::optional<std::string> ReadRegularFile(const std::string& path, bool& tooLarge,
                                           const FileIdentity* expected = nullptr);
// The same for the name in an open folder, never following a link there.
std::optional<std::string> ReadRegularFileAt(int folder, const std::string& name, bool& tooLarge);
// The rest of an open file from where it stands, held to kMaxFileBytes (tooLarge past it).
std::optional<std::string> ReadOpenFile(int fd, bool& tooLarge);

}  // namespace suispo
