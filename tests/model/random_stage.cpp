// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The random generator behind the cross-check; every choice comes from one seeded engine, so runs repeat.
#include "tests/model/random_stage.h"

#include <string_view>

#include "core/rules/cell_kinds.h"
#include "core/rules/stage_line.h"

namespace suispo::model {
namespace {

// Codes no kind holds, read as floor: the last family of the draw.
constexpr std::string_view kFloorLikeCodes = "abcDx\x82";

const char* const kOddWallPoints[] = {" 2", "+1", "-1", "-0", " 0", "10", "99", "1 ", "  ", "x1",
                                      "+ ", "- ", "\t1", "0x", "1a", "--", "+-", " -", "AB", "0."};

}  // namespace

RandomStages::RandomStages(std::uint32_t seed) : rng_(seed) {
  // Every row of the cell-kind table in kind order: floor, key and door each a family of their own,
  // kinds of one mechanic one family together.
  unsigned last = 0;
  for (const CellKindRow& row : kCellKinds) {
    if (row.mechanic == 0 || row.mechanic != last) ++families_;
    last = row.mechanic;
    codes_.push_back({row.code, families_ - 1});
  }
  for (char code : kFloorLikeCodes) {
    if (!IsCellCode(code)) codes_.push_back({code, families_});
  }
  ++families_;
}

char RandomStages::CellCode(const std::vector<int>& weights) {
  int total = 0;
  for (const Code& c : codes_) total += weights[static_cast<std::size_t>(c.family)];
  int pick = Below(total);
  for (const Code& c : codes_) {
    pick -= weights[static_cast<std::size_t>(c.family)];
    if (pick < 0) return c.code;
  }
  return '0';
}

// Four arrows turning round a square, or two facing each other: a slide that enters never leaves.
void RandomStages::PlaceArrowRing(std::string& line) {
  const int x = Below(5), y = Below(5);
  auto put = [&](int cx, int cy, char code) { line[cy * 6 + cx] = code; };
  if (Chance(50)) {
    put(x, y, '5');
    put(x + 1, y, '6');
    put(x + 1, y + 1, '7');
    put(x, y + 1, '4');
  } else if (Chance(50)) {
    put(x, y, '5');
    put(x + 1, y, '7');
  } else {
    put(x, y, '6');
    put(x, y + 1, '4');
  }
}

std::string RandomStages::WallPointsField() {
  if (Chance(85)) return std::string("0") + static_cast<char>('0' + Below(4));
  return kOddWallPoints[Below(std::size(kOddWallPoints))];
}

std::string RandomStages::Line() {
  // Weights per family: floor, key, door, hole, arrows, pads, any later kind's family, floor-like others.
  std::vector<int> weights = {14, Below(4), Below(3), Below(3), 2 * Below(5), 2 * Below(4)};
  while (static_cast<int>(weights.size()) < families_ - 1) weights.push_back(Below(3));
  weights.push_back(Below(2));
  std::string line;
  for (int k = 0; k < 36; ++k) line += CellCode(weights);
  if (Chance(40)) PlaceArrowRing(line);
  if (Chance(40)) {
    const char pad = "89AB"[Below(4)];
    for (int n = 1 + Below(3); n > 0; --n) line[Below(36)] = pad;  // alone, a pair or three
  }
  const int starts = Chance(15) ? 0 : Chance(80) ? 1 : 2 + Below(2);
  for (int n = 0; n < starts; ++n) line[Below(36)] = 'C';

  const int wallPercent = std::vector<int>{0, 15, 35, 60}[Below(4)];
  for (int k = 0; k < 36; ++k) {
    if (!Chance(wallPercent)) line += '0';
    else line += Chance(95) ? static_cast<char>('1' + Below(8)) : "9x "[Below(3)];
  }
  line += WallPointsField();
  line += Chance(70) ? '0' : '1';
  line += Chance(50) ? "random stage" : "\x83\x8c\x83\x93\x83\x5f\x83\x80";  // a Shift-JIS name
  if (Chance(8)) line.resize(std::vector<std::size_t>{0, 20, 50, 72, 73, 74, 75}[Below(7)]);
  return line;
}

std::vector<std::string> RandomStages::Tokens() {
  static const char* const kMoves[] = {"N", "E", "S", "W"};
  static const char* const kWalls[] = {"+N", "+E", "+S", "+W"};
  std::vector<std::string> tokens;
  const int length = Below(41);
  while (static_cast<int>(tokens.size()) < length) {
    const int pick = Below(100);
    if (pick < 50) tokens.push_back(kMoves[Below(4)]);
    else if (pick < 72) tokens.push_back(kWalls[Below(4)]);
    else if (pick < 95) tokens.insert(tokens.end(), Chance(30) ? 3 + Below(6) : 1, "U");  // far past five
    else tokens.push_back("R");
  }
  return tokens;
}

}  // namespace suispo::model
