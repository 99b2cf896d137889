// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage names in another language, looked up by the puzzle, so a stage copied to another file keeps its name.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace suispo {

// A name table's rows: key -> name. The stages' table (stages/names_en.tsv) is keyed by PuzzleKey
// (core/rules/same_stage.h), the chapters' table (stages/chapters_en.tsv) by the chapter's file name.
using NameTable = std::map<std::string, std::string>;

// The rows of a table's text: one row a line, the key, a TAB and the name (UTF-8); lines ending at
// LF or CR LF. A line starting with "#", an empty line and a line without a TAB are no rows.
NameTable ParseNameTable(std::string_view text);
// The table in a file; empty when it cannot be read, so the game shows the names in the stage file.
NameTable ReadNameTable(const std::string& path);

// The table's name of the stage on line; nothing when the table has no row for its puzzle, or when
// the line names no start (its puzzle is known only in play).
std::optional<std::string> TableStageName(const NameTable& table, std::string_view line);
// The name the player reads for the stage on line, in UTF-8: the table's (when there is a table) if
// it knows the puzzle, else the stage file's own.
std::string ShownStageName(const NameTable* table, std::string_view line);

}  // namespace suispo
