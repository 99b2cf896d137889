// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The generator's options: the presets, the tool's arguments read, and every limit checked at once.
#include "core/design/generate_options.h"

#include "core/design/gates.h"

#include <bit>
#include <stdexcept>

#include "core/rules/stage_line.h"
#include "core/text/shift_jis_text.h"
#include "core/text/whole_number.h"

namespace suispo {

namespace {

[[noreturn]] void Refuse(const std::string& message) { throw std::invalid_argument(message); }

std::string RangeText(const OptionRange& range) {
  return std::string(range.option) + " takes " + std::to_string(range.least) + " to " + std::to_string(range.most);
}

std::uint64_t Number(const OptionRange& range, const std::string& text) {
  const std::optional<std::uint64_t> value = WholeNumber(text, range.most);
  if (!value || *value < range.least) Refuse(RangeText(range) + ", not " + text);
  return *value;
}

void CheckRange(const OptionRange& range, std::int64_t value) {
  if (value < static_cast<std::int64_t>(range.least) || value > static_cast<std::int64_t>(range.most)) {
    Refuse(RangeText(range) + ", not " + std::to_string(value));
  }
}

// "walls" (walls alone), or mechanic names joined by "+"; sets apart by ",": "arrows,holes+warps".
std::vector<unsigned> MechanicSets(const std::string& text) {
  std::vector<unsigned> sets;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = std::min(text.find(',', from), text.size());
    const std::string set = text.substr(from, end - from);
    unsigned bits = 0;
    for (std::size_t at = 0; set != "walls" && at <= set.size();) {
      const std::size_t plus = std::min(set.find('+', at), set.size());
      const std::string name = set.substr(at, plus - at);
      const unsigned bit = MechanicOfName(name);
      if (bit == 0) Refuse("--mechanics: no mechanic '" + name + "' (walls, holes, arrows, warps, marked)");
      bits |= bit;
      at = plus + 1;
    }
    sets.push_back(bits);
    from = end + 1;
  }
  return sets;
}

}  // namespace

const PresetEntry& PresetOf(StagePreset preset) { return kPresets[static_cast<std::size_t>(preset)]; }

GenerateOptions PresetOptions(StagePreset preset, int count, std::uint32_t seed, bool plain) {
  const PresetEntry& p = PresetOf(preset);
  GenerateOptions o;
  o.count = count;
  o.seed = seed;
  o.minPar = p.minPar;
  o.maxPar = p.maxPar;
  o.maxKeys = p.maxKeys;
  o.maxWallPoints = p.maxWallPoints;
  o.mechanicSets.assign(p.mechanicSets.begin(), p.mechanicSets.begin() + p.setCount);
  o.namePrefix = std::string(p.label) + " ";
  if (!plain) {
    o.gateScope = p.demanding ? kDemandingPreset : kEveryStage;
    o.minEffort = p.minEffort;
    o.maxEffort = p.maxEffort;
  }
  return o;
}

GenerateOptions ReadOptions(const std::vector<std::string>& args) {
  GenerateOptions o;
  // --demanding 0 makes the plain preset, so it is read with the preset, before the others adjust it.
  bool plain = false;
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == kDemandingRange.option) plain = Number(kDemandingRange, args[i + 1]) == 0;
  }
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--preset") continue;
    const PresetEntry* found = nullptr;
    for (const PresetEntry& p : kPresets) {
      if (args[i + 1] == p.name) found = &p;
    }
    if (!found) Refuse("--preset takes beginner, normal, hard or expert, not '" + args[i + 1] + "'");
    o = PresetOptions(found->preset, o.count, o.seed, plain);
  }
  bool maxGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) Refuse(a.starts_with("--") ? a + " needs a value" : "unexpected '" + a + "'");
    const std::string& value = args[++i];
    if (a == "--preset" || a == kDemandingRange.option) continue;
    if (a == kCountRange.option) o.count = static_cast<int>(Number(kCountRange, value));
    else if (a == kSeedRange.option) o.seed = static_cast<std::uint32_t>(Number(kSeedRange, value));
    else if (a == kMinParRange.option) o.minPar = static_cast<int>(Number(kMinParRange, value));
    else if (a == kMaxParRange.option) {
      o.maxPar = static_cast<int>(Number(kMaxParRange, value));
      maxGiven = true;
    } else if (a == "--mechanics") o.mechanicSets = MechanicSets(value);
    else if (a == kKeysRange.option) o.maxKeys = static_cast<int>(Number(kKeysRange, value));
    else if (a == kWallPointsRange.option) o.maxWallPoints = static_cast<int>(Number(kWallPointsRange, value));
    else if (a == kFreeKindsRange.option) o.freeKinds = Number(kFreeKindsRange, value) == 1;
    else if (a == kMinEffortRange.option) o.minEffort = static_cast<int>(Number(kMinEffortRange, value));
    else if (a == kMaxEffortRange.option) o.maxEffort = static_cast<int>(Number(kMaxEffortRange, value));
    else if (a == "--name") o.namePrefix = value;
    else Refuse("unexpected '" + a + "'");
  }
  // A minimum alone raises the band with it.
  if (!maxGiven && o.maxPar < o.minPar) o.maxPar = std::min(o.minPar + 10, static_cast<int>(kMaxParRange.most));
  CheckOptions(o);
  return o;
}

void CheckOptions(const GenerateOptions& o) {
  CheckRange(kCountRange, o.count);
  CheckRange(kMinParRange, o.minPar);
  CheckRange(kMaxParRange, o.maxPar);
  CheckRange(kKeysRange, o.maxKeys);
  CheckRange(kWallPointsRange, o.maxWallPoints);
  CheckRange(kMinEffortRange, o.minEffort);
  CheckRange(kMaxEffortRange, o.maxEffort);
  if (o.maxEffort > 0 && o.minEffort > o.maxEffort) {
    Refuse("--min-effort " + std::to_string(o.minEffort) + " is above --max-effort " + std::to_string(o.maxEffort));
  }
  if (o.minPar > o.maxPar) {
    Refuse("--min-par " + std::to_string(o.minPar) + " is above --max-par " + std::to_string(o.maxPar));
  }
  if (o.mechanicSets.empty()) Refuse("--mechanics names no set");
  for (unsigned set : o.mechanicSets) {
    if (set > kAllMechanics) Refuse("--mechanics: no mechanic of bit " + std::to_string(set));
    if (!o.freeKinds && std::popcount(set) > kMostKinds) {
      Refuse("--mechanics: no stage may hold " + MechanicNames(set) + " at once without --free-kinds 1");
    }
  }
  for (const char c : o.namePrefix) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) Refuse("--name may not hold a control character");
  }
  // The stage line: the board, the wall points and the cleared flag, then the name.
  const std::size_t room = kMaxLineBytes - kBoardTextLength - 3 - kGeneratedNameBytes;
  if (ShiftJisText(o.namePrefix).size() > room) {
    Refuse("--name takes at most " + std::to_string(room) + " bytes in the stage file's encoding");
  }
}

}  // namespace suispo
