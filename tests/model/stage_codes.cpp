// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Code tables of the model, written out by hand from the stage-line layout.
#include "tests/model/stage_codes.h"

namespace suispo::model {

int KindOfCellCode(char code) {
  if (code >= '0' && code <= '9') return code - '0';
  if (code == 'A') return 10;
  if (code == 'B') return 11;
  return 0;
}

EdgePair EdgesOfWallCode(char code) {
  switch (code) {
    case '1': return {1, 0};
    case '2': return {0, 1};
    case '3': return {1, 1};
    case '4': return {2, 0};
    case '5': return {0, 2};
    case '6': return {2, 2};
    case '7': return {1, 2};
    case '8': return {2, 1};
    default: return {0, 0};
  }
}

char CellCodeOfKind(int kind) {
  static constexpr char kCodes[] = "0123456789AB";
  return kCodes[kind];
}

char WallCodeOfEdges(EdgePair edges) {
  // Rows: south edge 0, 1, 2; columns: east edge 0, 1, 2.
  static constexpr char kCodes[3][4] = {"014", "238", "576"};
  return kCodes[edges.south][edges.east];
}

int ReadWallPoints(std::string_view line) {
  const std::string field(line.size() > 72 ? line.substr(72, 2) : std::string_view{});
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  const std::size_t digitsFrom = i;
  int value = 0;
  while (i < field.size() && field[i] >= '0' && field[i] <= '9') value = value * 10 + (field[i++] - '0');
  if (i == digitsFrom || i != field.size()) throw WallPointsError{"'" + field + "' は整数ではありません"};
  return negative ? -value : value;
}

}  // namespace suispo::model
