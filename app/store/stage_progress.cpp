// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Counting a stage file's clears and stars.
#include "app/store/stage_progress.h"

#include <algorithm>

#include "core/rules/same_stage.h"

namespace suispo {

StageProgress ProgressOf(const std::vector<StageLine>& lines, const PlayRecords& records) {
  StageProgress progress;
  progress.total = static_cast<int>(lines.size());
  for (const StageLine& line : lines) {
    if (IsCleared(line)) ++progress.cleared;
    const std::optional<StageRecord> record = records.Find(PuzzleKey(line));
    if (record && record->star) ++progress.stars;
  }
  return progress;
}

int FirstUnclearedStage(const std::vector<StageLine>& lines) {
  const auto open = std::find_if(lines.begin(), lines.end(), [](const StageLine& line) { return !IsCleared(line); });
  return open == lines.end() ? 0 : static_cast<int>(open - lines.begin());
}

int StageToGoOn(const std::vector<StageLine>& lines, int played) {
  const int count = static_cast<int>(lines.size());
  for (int step = 0; step < count; ++step) {
    const int stage = (played + step) % count;
    if (!IsCleared(lines[static_cast<std::size_t>(stage)])) return stage;
  }
  return played;
}

std::string WithProgress(const std::string& label, const StageProgress& progress) {
  return label + " ★" + std::to_string(progress.stars) + " ☆" + std::to_string(progress.cleared) + "/" +
         std::to_string(progress.total);
}

}  // namespace suispo
