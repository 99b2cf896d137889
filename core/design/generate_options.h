// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the generator is asked for: the options, the range each takes, the presets, and the one check
// that refuses a set of options no stage can meet, used by the stage tool and the game alike.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/design/mechanics.h"
#include "core/files/stage_file.h"
#include "core/text/translatable.h"

namespace suispo {

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
  // Where the stages stand among the gates (GateScope bits of core/design/gates.h): the presets hard and
  // expert ask the demanding gates besides those asked of every stage.
  unsigned gateScope = 0;
  // The effort band (core/design/effort.h) a stage must fall in, as the par band; 0 for no bound.
  int minEffort = 0;
  int maxEffort = 0;
  std::string namePrefix;  // before each stage's name (UTF-8)
  friend bool operator==(const GenerateOptions&, const GenerateOptions&) = default;
};

// The range of each number option. Pars beyond 60 take searches no one waits for; more than eight keys
// or nine wall points leave too little of a 6 x 6 board for the pieces.
struct OptionRange {
  const char* option;
  std::uint64_t least;
  std::uint64_t most;
};
inline constexpr OptionRange kCountRange{"--count", 1, kMaxStageLines};
inline constexpr OptionRange kSeedRange{"--seed", 0, 4294967295u};
inline constexpr OptionRange kMinParRange{"--min-par", 1, 60};
inline constexpr OptionRange kMaxParRange{"--max-par", 1, 60};
inline constexpr OptionRange kKeysRange{"--keys", 1, 8};
inline constexpr OptionRange kWallPointsRange{"--wall-points", 0, 9};
inline constexpr OptionRange kFreeKindsRange{"--free-kinds", 0, 1};
inline constexpr OptionRange kMinEffortRange{"--min-effort", 0, 1'000'000};
inline constexpr OptionRange kMaxEffortRange{"--max-effort", 0, 1'000'000};
inline constexpr OptionRange kDemandingRange{"--demanding", 0, 1};  // 0: the plain preset
// The generated part of a stage's name (number and make) stays within this many bytes, so that the
// prefix may take the rest of a stage line.
inline constexpr std::size_t kGeneratedNameBytes = 80;

enum class StagePreset { kBeginner, kNormal, kHard, kExpert };
struct PresetEntry {
  StagePreset preset;
  const char* name;   // on the command line and in a new stage file's name
  const char* label;  // in the game's menu (translated, context "Preset") and before each stage's name (UTF-8)
  int minPar, maxPar, maxKeys, maxWallPoints;
  std::array<unsigned, 6> mechanicSets;  // the first setCount
  int setCount;
  // Whether the gates asked of demanding presets (forcing, not trivial) are asked of this one's stages.
  bool demanding;
  // The effort band (0: no bound): each preset's lowest effort is half as much again as the highest of
  // the one before, so that their medians stand apart so much; expert's floor is half as much again as
  // hard's usual median instead (a floor above hard's top left too few stages within the candidates).
  int minEffort, maxEffort;
};
// The presets, easiest first.
inline constexpr std::array<PresetEntry, 4> kPresets{{
    {StagePreset::kBeginner, "beginner", SUISPO_TR_NOOP("Preset", "入門"), 5, 10, 2, 1, {0, kHoles, 0, kArrows}, 4, false, 0, 60},
    {StagePreset::kNormal, "normal", SUISPO_TR_NOOP("Preset", "ふつう"), 10, 16, 2, 2, {0, kHoles, kArrows, kWarps, kMarkedEdges}, 5, false, 90, 300},
    {StagePreset::kHard, "hard", SUISPO_TR_NOOP("Preset", "むずかしい"), 15, 22, 3, 3,
     {kHoles | kArrows, kWarps | kMarkedEdges, kArrows | kWarps, kHoles | kMarkedEdges, kArrows, kWarps}, 6, true, 450, 1200},
    {StagePreset::kExpert, "expert", SUISPO_TR_NOOP("Preset", "達人"), 20, 24, 3, 3,
     {kHoles | kArrows, kArrows | kWarps, kWarps | kMarkedEdges, kHoles | kMarkedEdges, kArrows | kMarkedEdges,
      kHoles | kWarps},
     6, true, 900, 0},
}};
const PresetEntry& PresetOf(StagePreset preset);

// A preset's par band, effort band, mechanic sets, keys and wall points, and for hard and expert the
// demanding gates, for `count` stages from `seed`; plain: without the effort band and those gates.
GenerateOptions PresetOptions(StagePreset preset, int count, std::uint32_t seed, bool plain = false);

// The generator's options read from the stage tool's arguments ("--preset hard --seed 7 ..."; a
// preset first, the other options adjusting it). Throws std::invalid_argument with the message for
// an unknown option, a value out of its range, or a set CheckOptions refuses.
GenerateOptions ReadOptions(const std::vector<std::string>& args);

// Throws std::invalid_argument, saying why, when no stage can meet the options: a value out of its
// range, a minimum par above the maximum, a mechanic set no stage may hold, a name prefix with a
// control character or too long for a stage line.
void CheckOptions(const GenerateOptions& options);

}  // namespace suispo
