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
  explicit RandomStages(std::uint32_t seed) : rng_(seed) {}

  std::string Line();
  std::vector<std::string> Tokens();
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

 private:
  bool Chance(int percent) { return Below(100) < percent; }
  char CellCode(const int weights[], const std::string& codes);
  void PlaceArrowRing(std::string& line);
  std::string WallPointsField();

  std::mt19937 rng_;
};

}  // namespace suispo::model
