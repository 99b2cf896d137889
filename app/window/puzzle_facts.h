// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// PuzzleFacts: what the window has found out about each puzzle (its par, its rating), kept by the
// puzzle's key so every screen finds it once and reads it from then on.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include <QString>

#include "app/window/background_solve.h"
#include "core/rules/play_state.h"

namespace suispo {

class PuzzleFacts {
 public:
  // A fact still searched for; a puzzle that has no clear at all; a puzzle whose search stopped at
  // the solver's state limit (it may well have a clear).
  static constexpr int kPending = -2;
  static constexpr int kNoPar = -1;
  static constexpr int kTooLarge = -3;

  // The par from start, as `found` gets it: at once when it is known (kPending first when not), and
  // then from the search on `search`. A search stopped at its limit is kept as kTooLarge (the limit
  // does not change within a run); a puzzle with no key is searched every time.
  void FindPar(BackgroundSolve& search, const std::optional<std::string>& key, const PlayState& start,
               const std::function<void(int par)>& found);
  // The rating (1 to 5) from start, as FindPar finds the par.
  void FindRating(BackgroundWork<int>& work, const std::optional<std::string>& key, const PlayState& start,
                  const std::function<void(int rating)>& found);

 private:
  struct Facts {
    int par = kPending;
    int rating = kPending;
  };
  // The fact of the puzzle under key, or kPending.
  int Known(const std::optional<std::string>& key, int Facts::*fact) const;

  std::map<std::string, Facts> facts_;  // by PuzzleKey
};

// The par a finished search gives: its clear's length, kNoPar or kTooLarge.
int ParOf(const SolveResult& answer);
// A par as the figures show it: "…" while searching, "—" when there is none, 「大きすぎて調べきれません」
// when the search stopped at its limit.
QString ParShown(int par);
// A rating as marks: one to five ●, never the ★ of a record; "…" while it is measured.
QString RatingShown(int rating);

}  // namespace suispo
