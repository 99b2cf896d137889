// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading a name table (key TAB name) and finding a stage's row by its puzzle.
#include "core/files/stage_names.h"

#include "core/files/regular_file.h"
#include "core/rules/same_stage.h"
#include "core/rules/stage_line.h"
#include "core/text/display_text.h"

namespace suispo {

NameTable ParseNameTable(std::string_view text) {
  NameTable table;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t tab = line.find('\t');
    if (line.starts_with('#') || tab == std::string_view::npos) continue;
    table[std::string(line.substr(0, tab))] = std::string(line.substr(tab + 1));
  }
  return table;
}

NameTable ReadNameTable(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  return text ? ParseNameTable(*text) : NameTable();
}

std::optional<std::string> TableStageName(const NameTable& table, std::string_view line) {
  const std::optional<std::string> key = PuzzleKey(line);
  if (!key) return std::nullopt;
  const auto row = table.find(*key);
  if (row == table.end()) return std::nullopt;
  return row->second;
}

std::string ShownStageName(const NameTable* table, std::string_view line) {
  if (table != nullptr) {
    if (std::optional<std::string> name = TableStageName(*table, line)) return *name;
  }
  return DisplayText(StageName(line));
}

}  // namespace suispo
