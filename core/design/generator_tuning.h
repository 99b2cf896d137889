// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The generator's weights and limits in one place. They were set by hand while the presets were
// tried: each is the value at which the presets' stages pass the gates (the design tests) and ten of
// them come in the time the generate bench shows. A change here changes the stages a seed gives.
#pragma once

#include <cstddef>

namespace suispo {

struct GeneratorTuning {
  // States a search may hold. A draft needing more is not a stage a person would enjoy.
  std::size_t draftStates = 60'000;
  // The climb asks thousands of pars, mostly of drafts it drops: it leaves those past a third of the
  // draft's limit, and saves most of its time that way (from a half: a fifth less time for expert
  // sets, as many stages passing).
  std::size_t climbStates = 20'000;
  // The search for every start cell's par holds the states of all starts at once.
  std::size_t startStates = 160'000;

  // The skeleton: 2-3 groups of 2-3 touching walls, laid symmetric nine times in ten.
  int fewestWallGroups = 2, mostWallGroups = 3;
  int shortestWallGroup = 2, longestWallGroup = 3;
  int symmetricPercent = 90;
  // Sets of pieces tried on one skeleton before it is dropped (a set from which no start clears).
  int pieceTries = 4;

  // The climb: its edits tried, and six more for each par asked above 16 (up to 40 of them), since a
  // longer par needs more edits to reach.
  int climbSteps = 160;
  int stepsPerLongerPar = 6;
  int longerParFrom = 16;
  int longerParMost = 40;
  // Past this many operations a climb's search is not bounded by the score it has to beat.
  int longestAsked = 200;
  // A climb in the band with nothing left to gain stops after a quarter of its steps; one still this far
  // below the band at half way is dropped.
  int dropBelowBand = 6;

  // The score a climb keeps the better draft by. Per operation away from the wanted par:
  double parWeight = 6;
  // Per edge in the mean wall group (counted up to 3): walls that touch read as a design.
  double groupWeight = 4;
  double groupCountedUpTo = 3;
  // Times the share of walls a turn or mirror keeps (0 to 1): a symmetric look.
  double symmetryWeight = 14;
  // Per mechanic of the plan missing, or on the board but not in the plan: more than the par weight of
  // three operations, so a climb never trades a mechanic for a par.
  double kindWeight = 20;
  // Per mechanic of the plan on the board that the par does not need, once in the band.
  double unneededWeight = 15;
  // For a solution that gets its length from repeating its moves, once in the band.
  double paddedWeight = 15;
  // Per halving or doubling of the effort away from the band, once in the par band: one such step
  // weighs as much as about a par operation and a half.
  double effortWeight = 9;

  // A climbed draft in the band that fails a gate walks on this many times, this many edits each, to
  // another draft in the band.
  int walksOn = 6;
  int walkSteps = 24;

  // Rounds of repair of a stage with two optimal ideas.
  int repairRounds = 3;
  // Rounds of repair of a demanding preset's stage with too many clears near par: each takes one away.
  int nearParRepairRounds = 6;

  // Candidates each stage may take. Each stage draws from its own seed, so it cannot borrow from
  // another: this is about three times what the presets' slowest stage takes on the generate bench.
  int candidatesPerStage = 250;
  // The demanding presets' gates (forcing above all) turn most long drafts away: their stages may take
  // this many times as many.
  int demandingCandidateFactor = 3;
  // After this many candidates of one stage without one, every climb's par more than `reach` below
  // the minimum says the band is out of reach.
  int giveUpTries = 20;
  int reach = 15;

  // The states a candidate's searches may hold in all (the climb's pars and efforts, the repairs, the
  // gates) before it stops climbing and repairing: past it, the draft in hand goes on to the gates if it
  // is ready, or the next candidate starts from a new skeleton. Counted in states, never in time, so
  // that a set is the same on any number of threads.
  long long candidateStates = 3'000'000;

  // Progress is reported after this many climb steps, besides each stage made.
  int stepsPerReport = 32;
};

inline constexpr GeneratorTuning kTuning{};

}  // namespace suispo
