// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// How far the player got in a stage file: stages cleared, stars earned, the first stage still open.
#pragma once

#include <string>
#include <vector>

#include "app/store/play_records.h"
#include "core/rules/stage_line.h"

namespace suispo {

struct StageProgress {
  int stars = 0;    // stages whose record has the star
  int cleared = 0;  // stages listed as cleared (☆ or ★)
  int total = 0;
  bool Complete() const { return total > 0 && cleared == total; }
  friend bool operator==(const StageProgress&, const StageProgress&) = default;
};

StageProgress ProgressOf(const std::vector<StageLine>& lines, const PlayRecords& records);

// The first stage not yet cleared; the first stage when every one is (0 for an empty list).
int FirstUnclearedStage(const std::vector<StageLine>& lines);
// The stage to go on with after stage played: itself while not cleared, else the next one not yet
// cleared after it, else the first not cleared before it, else itself (every stage cleared).
int StageToGoOn(const std::vector<StageLine>& lines, int played);

// "第1章 壁 ★3 ☆7/10": a label (UTF-8) with its progress.
std::string WithProgress(const std::string& label, const StageProgress& progress);

}  // namespace suispo
