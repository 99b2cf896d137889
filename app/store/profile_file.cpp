// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Profile files on disk: reads fall back quietly, writes replace the file whole or not at all.
#include "app/store/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <optional>

#include "app/store/profile_text.h"
#include "core/files/file_replacement.h"
#include "core/files/regular_file.h"

namespace suispo {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::string> ReadProfileText(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) > kMaxProfileBytes) {
    return std::nullopt;
  }
  std::optional<std::string> text = ReadWholeFile(path);
  if (text && text->size() > kMaxProfileBytes) return std::nullopt;  // grown since it was looked at
  return text;
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
  const std::optional<std::string> text = ReadProfileText(path);
  if (!text) return std::string(fallback);
  return FindProfileValue(*text, section, key).value_or(std::string(fallback));
}

std::optional<int> ParseProfileInteger(std::string_view value) {
  const bool hex = value.size() > 2;
  std::size_t i = 0;
  while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  int base = 10;
  if (hex && i + 1 < value.size() && value[i] == '0' && (value[i + 1] == 'x' || value[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == value.size()) return std::nullopt;
  // Decimal must fit an int; hexadecimal may use all 32 bits (0xFFFFFFFF is -1).
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
  std::uint64_t magnitude = 0;
  for (; i < value.size(); ++i) {
    const int digit = HexDigit(value[i]);
    if (digit < 0 || digit >= base) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0u - magnitude : magnitude);
  return static_cast<int>(bits);
}

int ProfileInteger(std::string_view value) { return ParseProfileInteger(value).value_or(0); }

WriteResult WriteProfileStrings(const std::string& path, const std::vector<ProfileEntry>& entries, bool makeFolders) {
  // What is read is what is replaced: the same name in the same folder the walk opened.
  const WritePlace place(path, {.makeFolders = makeFolders, .followOwnLink = true});
  std::string text;
  struct stat old {};
  const bool exists = place.open() && fstatat(place.folder(), place.name().c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
  if (exists) {
    // A file larger than any the game writes was never read: it is not written over either.
    if (static_cast<std::size_t>(old.st_size) > kMaxProfileBytes) return WriteResult::kTooLarge;
    bool tooLarge = false;
    std::optional<std::string> read = ReadRegularFileAt(place.folder(), place.name(), tooLarge);
    if (!read) return WriteResult::kFailed;  // a folder or an unreadable file is not written over
    text = std::move(*read);
  }
  std::string updated = text;
  for (const ProfileEntry& entry : entries) {
    updated = WithProfileValue(updated, entry.section, entry.key, entry.value);
  }
  if (updated == text && exists) return WriteResult::kWritten;
  return ReplaceIn(place, updated);
}

}  // namespace suispo
