// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// New stages that are designed rather than scattered: a symmetric wall skeleton, the pieces of a chosen
// mechanic set, the start where the door is the wanted distance away, small edits kept by a score, and
// only stages that pass the gates of measure.h kept.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/rules/stage_line.h"

namespace suispo {

enum class StagePreset { kBeginner, kNormal, kHard, kExpert };

struct GenerateOptions {
  int count = 10;
  std::uint32_t seed = 1;
  int minPar = 8;
  int maxPar = 20;
  // The mechanic sets (bits of Mechanic; 0 is walls alone), taken in turn; every stage made for a set
  // holds its mechanics and needs each of them.
  std::vector<unsigned> mechanicSets{0};
  int maxKeys = 2;
  int maxWallPoints = 2;
  bool freeKinds = false;  // every kind and colour of piece at once (the last chapter)
  // Candidates tried before giving up; 0 for 80 per stage asked and 200 besides.
  int budget = 0;
  const std::atomic<bool>* cancel = nullptr;  // set from another thread to stop soon
  std::function<void(int made, int wanted)> progress;  // after each stage made, on the generating thread
  std::string namePrefix;  // before each stage's name (UTF-8)
};

// A preset's par band, mechanic sets, keys and wall points, for `count` stages from `seed`.
GenerateOptions PresetOptions(StagePreset preset, int count, std::uint32_t seed);
// "beginner", "normal", "hard", "expert"; false for any other name.
bool PresetByName(const std::string& name, StagePreset& preset);

struct GenerateReport {
  std::vector<StageLine> lines;  // sorted by par; names in Shift-JIS
  int tried = 0;                 // candidates drafted
  int accepted = 0;              // candidates that passed every gate (before duplicates were dropped)
  bool cancelled = false;
  // The candidates never came near --min-par: after kGiveUpTries without a stage, the highest par
  // any climb reached was more than kReach below it.
  bool gaveUp = false;
  int highestPar = 0;
};
inline constexpr int kGiveUpTries = 20;
inline constexpr int kReach = 15;

// The same options give the same lines. Gives fewer lines than asked when the budget runs out or the
// cancel flag is set.
GenerateReport GenerateStages(const GenerateOptions& options);

}  // namespace suispo
