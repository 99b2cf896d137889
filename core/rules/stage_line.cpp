// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading the fields of a stage line and writing board texts.
#include "core/rules/stage_line.h"

#include <algorithm>

#include "core/rules/cell_kinds.h"
#include "core/text/display_text.h"
#include "core/text/game_error.h"

namespace suispo {

namespace {

// East and south WallKind for the wall codes "0" to "8".
constexpr int kCodeEast[9] = {0, 1, 0, 1, 2, 0, 2, 1, 2};
constexpr int kCodeSouth[9] = {0, 0, 1, 1, 0, 2, 2, 2, 1};

// The bytes at 1-based positions 73 and 74, as read (fewer for a short line).
std::string WallPointsField(std::string_view line) {
  if (line.size() <= 72) return {};
  return std::string(line.substr(72, 2));
}

// Whether the line reaches its cleared flag's position.
bool HasClearedFlag(std::string_view line) { return line.size() >= kClearedFlagPosition; }

}  // namespace

int CellKindOfCode(char code) {
  for (const CellKindRow& row : kCellKinds) {
    if (row.code == code) return row.kind;
  }
  return kFloor;
}

bool IsCellCode(char code) {
  return code == 'C' || std::ranges::any_of(kCellKinds, [code](const CellKindRow& row) { return row.code == code; });
}

void WallsOfCode(char code, int& east, int& south) {
  east = 0;
  south = 0;
  if (code >= '0' && code <= '8') {
    east = kCodeEast[code - '0'];
    south = kCodeSouth[code - '0'];
  }
}

char CodeOfCellKind(int kind) { return CellKindOf(kind).code; }

char CodeOfWalls(int east, int south) {
  for (int code = 0; code < 9; ++code) {
    if (kCodeEast[code] == east && kCodeSouth[code] == south) return static_cast<char>('0' + code);
  }
  return '0';
}

int WallPoints(std::string_view line) {
  const std::string field = WallPointsField(line);
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  const std::size_t digitsFrom = i;
  int value = 0;
  while (i < field.size() && field[i] >= '0' && field[i] <= '9') value = value * 10 + (field[i++] - '0');
  if (i == digitsFrom || i != field.size()) {
    throw GameError(MessageId::kNotAnInteger, {DisplayText(field)});
  }
  return negative ? -value : value;
}

bool IsCleared(std::string_view line) {
  return !HasClearedFlag(line) || line[kClearedFlagPosition - 1] != '0';
}

std::string StageName(std::string_view line) {
  if (line.size() <= kClearedFlagPosition) return {};
  return std::string(line.substr(kClearedFlagPosition));
}

StageLine MarkedCleared(StageLine line) {
  if (!HasClearedFlag(line)) {
    // Completed so that the stage plays the same and the flag lands at its place: missing codes
    // read as floor and no walls, and a one-character wall-points field "5" reads as "05" does
    // ("0x" is no number, as "x" is not). A line without a field cannot start, so it never
    // reaches a clear; completed with blanks it still cannot.
    if (line.size() < kBoardTextLength) line.resize(kBoardTextLength, '0');
    if (line.size() == kBoardTextLength) line += "  ";
    if (line.size() == kBoardTextLength + 1) line.insert(kBoardTextLength, 1, '0');
    line += '0';
  }
  line[kClearedFlagPosition - 1] = '1';
  return line;
}

std::string WriteBoardText(const Board& board) {
  std::string text;
  text.reserve(kBoardTextLength);
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) text += CodeOfCellKind(board.cells[CellIndex(x, y)]);
  }
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const int i = CellIndex(x, y);
      text += CodeOfWalls(board.eastWalls[i], board.southWalls[i]);
    }
  }
  return text;
}

}  // namespace suispo
