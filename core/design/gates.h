// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The gates a stage must pass, in one table read by the generator's acceptance and by the stage tool's
// check: a generated stage passes every gate asked where it stands that check reports. A new gate is a
// row here (and its measure in StageMeasures).
#pragma once

#include <array>
#include <cstddef>

#include "core/design/measure.h"
#include "core/design/near_par.h"
#include "core/design/padding.h"
#include "core/design/random_player.h"

namespace suispo {

inline constexpr double kSymmetricLook = 0.7;
inline constexpr int kMostIdeas = 3;

enum class Gate { kOneIdea, kFewIdeas, kMechanicsNeeded, kNoInertPiece, kWallsGrouped, kSymmetricLook, kFewKinds,
                  kWallPointsExact, kNoPadding, kForcing, kNotTrivial };

// Where a gate is asked, as bits: a stage is told where it stands, and a gate whose scope is 0 is asked
// of every stage.
enum GateScope : unsigned {
  kEveryStage = 0,
  kDemandingPreset = 1,      // the presets hard and expert
  kCollection = 2,           // every stage of the shipped chapters
  kCollectionFromThird = 4,  // a chapter's stages from its third on
};

struct GateRule {
  Gate gate;
  const char* name;       // as check --json names it
  const char* threshold;  // what passes
  const char* measures;   // what it looks at
  unsigned scope;         // GateScope bits: where it is asked
  // freeKinds lifts G5's limits (the last chapter's stages may hold every kind).
  bool (*passes)(const StageMeasures& m, bool freeKinds);
};

inline constexpr std::array<GateRule, 11> kGates{{
    {Gate::kOneIdea, "G1", "exactly 1", "optimal ideas: solutions told apart by their moves and final walls",
     kEveryStage, [](const StageMeasures& m, bool) { return m.ideas == 1; }},
    {Gate::kFewIdeas, "G1limit", "1 to 3", "optimal ideas, the hard limit",
     kEveryStage, [](const StageMeasures& m, bool) { return m.ideas >= 1 && m.ideas <= kMostIdeas; }},
    {Gate::kMechanicsNeeded, "G2", "all", "each mechanic on the board, and the wall points: taken away, the par changes",
     kEveryStage, [](const StageMeasures& m, bool) { return m.par > 0 && (m.needed & m.present) == m.present && m.wallPointsNeeded; }},
    {Gate::kNoInertPiece, "G3", "none", "pieces whose single removal leaves the par as it is",
     kEveryStage, [](const StageMeasures& m, bool) { return m.par > 0 && m.inert.empty(); }},
    {Gate::kWallsGrouped, "G4groups", "2 or more (or no walls)", "solid inner edges per group of touching edges",
     kEveryStage, [](const StageMeasures& m, bool) { return m.wallEdges == 0 || m.wallGroupMean >= 2; }},
    {Gate::kSymmetricLook, "G4symmetric", "0.70 or more", "the best share of solid inner edges a turn or mirror keeps",
     kEveryStage, [](const StageMeasures& m, bool) { return m.symmetry >= kSymmetricLook; }},
    {Gate::kFewKinds, "G5", "at most 3 and 3", "mechanics on the board, and warp colours",
     kEveryStage, [](const StageMeasures& m, bool freeKinds) {
       return freeKinds || (m.kinds <= kMostKinds && m.warpColours <= 3);
     }},
    {Gate::kWallPointsExact, "G6", "exact",
     "wall points: no more than the solution builds, and one more does not shorten it",
     kEveryStage, [](const StageMeasures& m, bool) { return m.par > 0 && m.wallPointsExact; }},
    {Gate::kNoPadding, "noPadding", "at most 20 % and runs of at most 3",
     "the optimal solution's moves made before from the same cell in the same direction", kEveryStage,
     [](const StageMeasures& m, bool) {
       return m.par > 0 && m.padding.Share() <= kMostRepeatShare && m.padding.longestRun <= kLongestRepeatRun;
     }},
    {Gate::kForcing, "forcing", "at most 4", "distinct clears within one operation of par, told apart as ideas are",
     kDemandingPreset | kCollection,
     [](const StageMeasures& m, bool) { return m.nearParClears >= 1 && m.nearParClears <= kMostNearParClears; }},
    {Gate::kNotTrivial, "notTrivial", "at most 30 %", "random runs that clear (200 runs of up to 50 presses)",
     kDemandingPreset | kCollectionFromThird,
     [](const StageMeasures& m, bool) { return m.par > 0 && m.randomClearRate <= kMostRandomClearRate; }},
}};
inline constexpr std::size_t kGateCount = kGates.size();

// Whether a gate is asked of a stage standing `where` (GateScope bits).
constexpr bool Asked(const GateRule& rule, unsigned where) { return rule.scope == kEveryStage || (rule.scope & where) != 0; }

// Whether the measures pass one gate.
bool Passes(Gate gate, const StageMeasures& m, bool freeKinds = false);

// The gates a stage passes, one flag each, in the table's order.
struct StageGates {
  std::array<bool, kGateCount> pass{};
  bool operator[](Gate gate) const { return pass[static_cast<std::size_t>(gate)]; }
  // Every gate asked `where` passed.
  bool All(unsigned where = kEveryStage) const;
};
StageGates GatesOf(const StageMeasures& m, bool freeKinds = false);

}  // namespace suispo
