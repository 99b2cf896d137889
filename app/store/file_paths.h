// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Paths: folder and bare name, regular files, folders compared, the program's own folder.
#pragma once

#include <string>
#include <string_view>

namespace suispo {

// Everything up to and including the last '/', or "" for a bare name. ('/' is never the second
// byte of a Shift-JIS character, so a byte search is safe.)
std::string FolderOf(std::string_view path);
// Everything after the last '/'.
std::string BareName(std::string_view path);
// True only for a regular file (or a link to one); a folder does not count.
bool IsRegularFile(const std::string& path);
// A folder path made absolute against the current directory, so later saves do not depend on it;
// an existing folder is named without "." and ".." parts or links.
std::string AbsoluteFolder(std::string_view folder);
// True when both name the same existing folder, or are the same text.
bool SameFolder(const std::string& a, const std::string& b);
// The folder of the running executable, ending in '/'.
std::string ProgramDirectory();

}  // namespace suispo
