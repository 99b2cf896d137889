// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading board pictures into stage lines: cell symbols and codes from the cell-kind table, wall codes of its own.
#include "tests/support/stage_builder.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "core/rules/cell_kinds.h"

namespace suispo::test {

namespace {

// The wall code of an east and a south edge (0 none, 1 solid, 2 marked): rows by south, columns by east.
constexpr std::string_view kWallCodes[3] = {"014", "238", "576"};

std::vector<std::string_view> PictureLines(std::string_view picture) {
  std::vector<std::string_view> lines;
  while (!picture.empty()) {
    const std::size_t end = std::min(picture.find('\n'), picture.size());
    std::string_view line = picture.substr(0, end);
    picture.remove_prefix(std::min(end + 1, picture.size()));
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
  }
  if (lines.size() != 13) throw std::invalid_argument("a board picture has 13 lines");
  for (std::string_view line : lines) {
    if (line.size() != 25) throw std::invalid_argument("a board picture line has 25 characters: " + std::string(line));
  }
  return lines;
}

int EdgeKind(std::string_view drawn, std::string_view solid, std::string_view marked) {
  if (drawn == solid) return 1;
  if (drawn == marked) return 2;
  if (drawn.find_first_not_of(' ') == std::string_view::npos) return 0;
  throw std::invalid_argument("an edge drawn as '" + std::string(drawn) + "'");
}

}  // namespace

std::string Stage(const Rows& cells, const Rows& walls, std::string_view mp, std::string_view name, char cleared) {
  std::string line;
  for (const std::string& row : cells) line += row;
  for (const std::string& row : walls) line += row;
  return line + std::string(mp) + cleared + std::string(name);
}

std::string StageOf(std::string_view picture, std::string_view mp, std::string_view name, char cleared) {
  const std::vector<std::string_view> lines = PictureLines(picture);
  Rows cells, walls;
  for (int y = 0; y < 6; ++y) {
    const std::string_view row = lines[static_cast<std::size_t>(2 * y + 1)];
    const std::string_view below = lines[static_cast<std::size_t>(2 * y + 2)];
    for (int x = 0; x < 6; ++x) {
      const std::size_t at = static_cast<std::size_t>(4 * x + 1);
      const std::string_view cell = row.substr(at, 3);
      const auto kind = std::ranges::find(kCellKinds, cell[1], &CellKindRow::symbol);
      if (kind == kCellKinds.end()) throw std::invalid_argument("a cell drawn as '" + std::string(cell) + "'");
      const bool start = cell.front() == '[' && cell.back() == ']';
      cells[static_cast<std::size_t>(y)] += start ? 'C' : kind->code;
      const int east = x == 5 ? 0 : EdgeKind(row.substr(at + 3, 1), "|", ":");
      const int south = y == 5 ? 0 : EdgeKind(below.substr(at, 3), "---", "...");
      walls[static_cast<std::size_t>(y)] += kWallCodes[south][static_cast<std::size_t>(east)];
    }
  }
  return Stage(cells, walls, mp, name, cleared);
}

}  // namespace suispo::test
