// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// New stages that are designed rather than scattered: a symmetric wall skeleton, the pieces of a chosen
// mechanic set, the start where the door is the wanted distance away, small edits kept by a score, and
// only stages that pass every gate of core/design/gates.h kept. The stages of a set are made on all
// cores, each from its own seed.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/design/generate_options.h"
#include "core/rules/stage_line.h"

namespace suispo {

// How far a set has come, reported while it is made.
struct GenerateProgress {
  int made = 0;             // stages done
  int wanted = 0;           // stages asked
  int candidates = 0;       // candidates drafted so far
  long long climbSteps = 0; // edits tried by the climbs so far
};

struct GenerateHooks {
  const std::atomic<bool>* cancel = nullptr;  // set from another thread to stop soon
  // Called from the generating threads, one call at a time: after each stage made, at each candidate
  // begun and every few climb steps between.
  std::function<void(const GenerateProgress&)> progress{};
  int threads = 0;  // 0 for std::thread::hardware_concurrency()
  // The words of the stages' names (marked "StageName") in the language the player reads; none: as
  // written, in Japanese.
  std::function<std::string(const char*)> nameWord{};
};

struct GenerateReport {
  std::vector<StageLine> lines;  // sorted by par; names in Shift-JIS
  int tried = 0;                 // candidates drafted
  int accepted = 0;              // candidates that passed every gate (before duplicates were dropped)
  bool cancelled = false;
  // The candidates never came near the minimum par: the highest par any climb reached was far below.
  bool gaveUp = false;
  int highestPar = 0;
  // Candidates that ran out of their work budget (GeneratorTuning::candidateStates).
  int overBudget = 0;
};

// Stage `index` of a set is made from this seed alone, so a set is the same for any number of threads.
std::uint32_t StageSeed(std::uint32_t setSeed, int index);

// The same options give the same lines, whatever the threads. Gives fewer lines than asked when a
// stage's candidates run out or the cancel flag is set. Throws std::invalid_argument for options
// CheckOptions refuses.
GenerateReport GenerateStages(const GenerateOptions& options, const GenerateHooks& hooks = {});

}  // namespace suispo
