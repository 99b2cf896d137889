// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Random stage lines and token sequences, biased towards the rules' corners (arrows, pads, holes, odd fields).
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace suispo::model {

class RandomStages {
 public:
  // Draws every kind of the cell-kind table, and codes no kind holds.
  explicit RandomStages(std::uint32_t seed);

  std::string Line();
  std::vector<std::string> Tokens();
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

 private:
  bool Chance(int percent) { return Below(100) < percent; }
  // A cell code drawn with its family's weight of this line.
  char CellCode(const std::vector<int>& weights);
  void PlaceArrowRing(std::string& line);
  std::string WallPointsField();

  struct Code {
    char code;
    int family;  // index into a line's weights
  };
  std::vector<Code> codes_;
  int families_ = 0;
  std::mt19937 rng_;
};

}  // namespace suispo::model
