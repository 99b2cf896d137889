// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The model's operations, each written from the rules as a player would describe them.
#include "tests/model/rule_model.h"

namespace suispo::model {
namespace {

constexpr int kDx[4] = {0, 1, 0, -1};  // north, east, south, west
constexpr int kDy[4] = {-1, 0, 1, 0};
constexpr int kKey = 1, kDoor = 2, kHole = 3, kFirstArrow = 4, kLastArrow = 7, kFirstPad = 8;

int DirectionOfLetter(char letter) {
  switch (letter) {
    case 'N': return 0;
    case 'E': return 1;
    case 'S': return 2;
    default: return 3;
  }
}

bool Inside(int x, int y) { return x >= 0 && x < kSide && y >= 0 && y < kSide; }

}  // namespace

void RuleModel::Load(const std::string& text) {
  s.keys = 0;
  for (int k = 0; k < 36; ++k) {
    const int x = k % kSide, y = k / kSide;
    const char code = k < static_cast<int>(text.size()) ? text[k] : '\0';
    s.grid.kind[y][x] = KindOfCellCode(code);
    if (code == '1') ++s.keys;
    if (code == 'C') s.x = x, s.y = y;  // the last "C" wins; none leaves the position alone
  }
  for (int k = 0; k < 36; ++k) {
    const char code = 36 + k < static_cast<int>(text.size()) ? text[36 + k] : '\0';
    s.grid.edges[k / kSide][k % kSide] = EdgesOfWallCode(code);
  }
}

void RuleModel::Start(int stage) {
  stage_ = stage;
  playX_ = s.x;
  playY_ = s.y;
  Restart();
}

void RuleModel::Restart() {
  s.x = playX_;
  s.y = playY_;
  s.undoCount = 0;
  s.undoIndex = 0;
  const std::string& line = lines_.at(stage_);
  Load(line.substr(0, 72));
  s.mp = ReadWallPoints(line);
  s.facing = 0;
}

void RuleModel::Push() {
  s.undoIndex = (s.undoIndex + 1) % kSlots;
  s.ring[s.undoIndex] = Snapshot{s.grid, s.x, s.y, s.mp};
  if (s.undoCount < kSlots) ++s.undoCount;
}

// An edge with a solid wall, a hole underfoot or the board's end stops the next step.
bool RuleModel::StopsBefore(int direction) const {
  const int x = s.x, y = s.y;
  if (s.grid.kind[y][x] == kHole) return true;
  if (!Inside(x + kDx[direction], y + kDy[direction])) return true;
  switch (direction) {
    case 0: return s.grid.edges[y - 1][x].south == 1;
    case 1: return s.grid.edges[y][x].east == 1;
    case 2: return s.grid.edges[y][x].south == 1;
    default: return s.grid.edges[y][x - 1].east == 1;
  }
}

std::string RuleModel::Move(int direction) {
  Push();
  s.facing = direction;
  int travel = direction;
  // Every (cell, direction) reached after a step; meeting one again means the arrows go round for ever.
  bool reached[kSide][kSide][4] = {};
  while (!StopsBefore(travel)) {
    s.x += kDx[travel];
    s.y += kDy[travel];
    const int kind = s.grid.kind[s.y][s.x];
    if (kind >= kFirstArrow && kind <= kLastArrow) {
      travel = kind - kFirstArrow;
      s.facing = travel;
    }
    if (reached[s.y][s.x][travel]) {
      ++tally.loopStops;
      return "none";
    }
    reached[s.y][s.x][travel] = true;
  }
  return Land();
}

std::string RuleModel::Land() {
  const int kind = s.grid.kind[s.y][s.x];
  if (kind == kKey) {
    s.grid.kind[s.y][s.x] = 0;
    --s.keys;
    return "key";
  }
  if (kind == kDoor) return s.keys == 0 ? "cleared" : "none";
  if (kind == kHole) {
    Restart();
    return "missed";
  }
  if (kind >= kFirstPad) {
    int toX = -1, toY = -1;
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x)
        if (s.grid.kind[y][x] == kind && !(x == s.x && y == s.y)) toX = x, toY = y;
    if (toX < 0) {
      ++tally.lonePads;
      return "none";
    }
    s.x = toX;
    s.y = toY;
    return "warp";
  }
  return "none";
}

std::string RuleModel::Build(int direction) {
  Push();
  s.facing = direction;
  if (s.mp <= 0) return "none";
  const int x = s.x, y = s.y;
  if (!Inside(x + kDx[direction], y + kDy[direction])) return "none";
  int& edge = direction == 0   ? s.grid.edges[y - 1][x].south
              : direction == 1 ? s.grid.edges[y][x].east
              : direction == 2 ? s.grid.edges[y][x].south
                               : s.grid.edges[y][x - 1].east;
  if (edge != 0) return "none";
  edge = 1;
  --s.mp;
  return "wall";
}

std::string RuleModel::TakeBack() {
  if (s.undoCount < 1) return "none";
  const Snapshot& back = s.ring[s.undoIndex];
  s.x = back.x;
  s.y = back.y;
  s.mp = back.mp;
  Load(BoardTextOf(back.grid));
  s.undoIndex = s.undoIndex == 0 ? kSlots - 1 : s.undoIndex - 1;
  --s.undoCount;
  return "undo";
}

std::string RuleModel::Apply(const std::string& token) {
  if (token == "U") return TakeBack();
  if (token == "R") {
    Restart();
    return "none";
  }
  if (token.size() == 2 && token[0] == '+') return Build(DirectionOfLetter(token[1]));
  return Move(DirectionOfLetter(token[0]));
}

std::string BoardTextOf(const Grid& grid) {
  std::string text;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) text += CellCodeOfKind(grid.kind[y][x]);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) text += WallCodeOfEdges(grid.edges[y][x]);
  return text;
}

std::string RuleModel::BoardText() const { return BoardTextOf(s.grid); }

std::string RuleModel::Json(const std::string& op, const std::string& event) const {
  return "{\"op\":\"" + op + "\",\"board\":\"" + BoardText() + "\",\"x\":" + std::to_string(s.x) +
         ",\"y\":" + std::to_string(s.y) + ",\"facing\":" + std::to_string(s.facing) +
         ",\"mp\":" + std::to_string(s.mp) + ",\"keys\":" + std::to_string(s.keys) +
         ",\"undo\":" + std::to_string(s.undoCount) + ",\"event\":\"" + event + "\"}";
}

}  // namespace suispo::model
