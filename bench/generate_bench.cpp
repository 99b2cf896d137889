// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Sets of new stages of each preset, as the game's 新しいステージを作る… makes them, from a run of seeds:
// per preset the median and the worst seed's CPU and real time, the candidates per stage and the
// median effort of the stages made (the aim on two idle cores: むずかしい under 8 s, 達人 under 15 s,
// every seed).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "core/design/draft.h"
#include "core/design/effort.h"
#include "core/design/generator.h"

namespace {

using namespace suispo;

struct Settings {
  std::uint32_t firstSeed = 1;
  int seeds = 20;
  int count = 10;
  int threads = 1;
  std::vector<StagePreset> presets{StagePreset::kBeginner, StagePreset::kNormal, StagePreset::kHard, StagePreset::kExpert};
};

struct SetTime {
  std::uint32_t seed;
  double cpu;
  double real;
  int tried;
};

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

template <class T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? T{} : values[values.size() / 2];
}

void Usage() {
  std::fprintf(stderr,
               "usage: suispo-generate-bench [--seeds N] [--first-seed S] [--count C] [--threads T] [--preset NAME]...\n");
  std::exit(2);
}

Settings ReadSettings(int argc, char** argv) {
  Settings s;
  bool presetGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) Usage();
    const std::string value = argv[++i];
    if (arg == "--seeds") s.seeds = std::max(1, std::atoi(value.c_str()));
    else if (arg == "--first-seed") s.firstSeed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
    else if (arg == "--count") s.count = std::max(1, std::atoi(value.c_str()));
    else if (arg == "--threads") s.threads = std::max(1, std::atoi(value.c_str()));
    else if (arg == "--preset") {
      if (!presetGiven) s.presets.clear();
      presetGiven = true;
      const auto entry = std::find_if(kPresets.begin(), kPresets.end(), [&](const PresetEntry& p) { return value == p.name; });
      if (entry == kPresets.end()) Usage();
      s.presets.push_back(entry->preset);
    } else {
      Usage();
    }
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  const Settings s = ReadSettings(argc, argv);
  std::printf("%d stages a set, seeds %u to %u, %d thread(s)\n", s.count, s.firstSeed,
              s.firstSeed + static_cast<std::uint32_t>(s.seeds) - 1, s.threads);
  for (StagePreset preset : s.presets) {
    const char* name = PresetOf(preset).name;
    std::vector<SetTime> times;
    std::vector<long> efforts;
    for (int i = 0; i < s.seeds; ++i) {
      const std::uint32_t seed = s.firstSeed + static_cast<std::uint32_t>(i);
      const double cpu = ProcessCpuSeconds();
      const auto real = std::chrono::steady_clock::now();
      const GenerateReport report = GenerateStages(PresetOptions(preset, s.count, seed), {.threads = s.threads});
      times.push_back({seed, ProcessCpuSeconds() - cpu,
                       std::chrono::duration<double>(std::chrono::steady_clock::now() - real).count(), report.tried});
      std::printf("%-8s seed %-4u cpu %7.2f s  real %7.2f s  candidates per stage %5.1f%s\n", name, seed, times.back().cpu,
                  times.back().real, static_cast<double>(report.tried) / s.count,
                  static_cast<int>(report.lines.size()) < s.count ? "  (fewer stages than asked)" : "");
      std::fflush(stdout);
      for (const StageLine& line : report.lines) efforts.push_back(SearchEffort(DraftOfLine(line)));
    }
    std::vector<double> cpu, real;
    for (const SetTime& t : times) {
      cpu.push_back(t.cpu);
      real.push_back(t.real);
    }
    const auto worst = std::max_element(times.begin(), times.end(), [](const SetTime& a, const SetTime& b) { return a.cpu < b.cpu; });
    std::printf("%-8s median cpu %.2f s, real %.2f s; worst cpu %.2f s, real %.2f s (seed %u); median effort %ld\n", name,
                Median(cpu), Median(real), worst->cpu, worst->real, worst->seed, Median(efforts));
  }
  return 0;
}
