// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-edit-feedback-bench: the stage editor's feedback per edit over the shipped collection and the
// built-in stages: the par (the solver), the rating (the effort) and the gates (the measures), each
// timed on its own in wall-clock milliseconds. Each stage is timed as it stands after an edit: the
// editor asks exactly this of every edit. Prints the median and the worst of each and exits with 1
// when the par and rating together pass 100 ms or the gates pass 1 s for any stage.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/design/edit_feedback.h"
#include "core/design/effort.h"
#include "core/design/stage_edit.h"
#include "core/files/stage_file.h"
#include "core/rules/builtin_stages.h"

namespace {

using namespace suispo;
using Clock = std::chrono::steady_clock;

constexpr double kParAndRatingMs = 100;
constexpr double kGatesMs = 1000;

struct Timed {
  std::string stage;
  double parMs = 0;
  double ratingMs = 0;
  double gatesMs = 0;
};

template <typename Work>
double Milliseconds(Work work) {
  const Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::pair<std::string, StageLine>> Collection() {
  std::vector<std::pair<std::string, StageLine>> stages;
  const std::vector<StageLine> builtin = BuiltinStages();
  for (std::size_t i = 0; i < builtin.size(); ++i) stages.emplace_back("built-in " + std::to_string(i + 1), builtin[i]);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(SUISPO_STAGES_DIR)) {
    if (entry.path().extension() == ".ssp") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const std::filesystem::path& file : files) {
    const std::vector<StageLine> lines = ReadStageFile(file.string());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      stages.emplace_back(file.filename().string() + " " + std::to_string(i + 1), lines[i]);
    }
  }
  return stages;
}

Timed Time(const std::string& name, const StageLine& line) {
  const StageEdit edit = StageEdit::OfLine(line);
  const PlayState start = *edit.Start();
  const StageDraft draft = *edit.Draft();
  Timed timed{name};
  timed.parMs = Milliseconds([&] { (void)Solve(start); });
  timed.ratingMs = Milliseconds([&] { (void)SearchEffort(draft); });
  timed.gatesMs = Milliseconds([&] { (void)FindGateFeedback(draft); });
  return timed;
}

void Report(const char* what, std::vector<Timed> timed, double Timed::*field) {
  std::sort(timed.begin(), timed.end(), [field](const Timed& a, const Timed& b) { return a.*field < b.*field; });
  const Timed& median = timed[timed.size() / 2];
  const Timed& worst = timed.back();
  std::printf("%-7s median %8.2f ms   worst %8.2f ms (%s)\n", what, median.*field, worst.*field, worst.stage.c_str());
}

}  // namespace

int main() {
  std::vector<Timed> timed;
  for (const auto& [name, line] : Collection()) timed.push_back(Time(name, line));
  std::printf("%zu stages, one edit each\n", timed.size());
  Report("par", timed, &Timed::parMs);
  Report("rating", timed, &Timed::ratingMs);
  Report("gates", timed, &Timed::gatesMs);
  bool slow = false;
  for (const Timed& t : timed) {
    if (t.parMs + t.ratingMs > kParAndRatingMs || t.gatesMs > kGatesMs) {
      std::printf("too slow: %s (par and rating %.2f ms, gates %.2f ms)\n", t.stage.c_str(), t.parMs + t.ratingMs,
                  t.gatesMs);
      slow = true;
    }
  }
  return slow ? 1 : 0;
}
