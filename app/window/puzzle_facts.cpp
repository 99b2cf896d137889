// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The facts of the puzzles: looked up by key, searched on a worker when not yet known.
#include "app/window/puzzle_facts.h"

#include <QCoreApplication>

#include "core/design/effort.h"

namespace suispo {

int PuzzleFacts::Known(const std::optional<std::string>& key, int Facts::*fact) const {
  if (!key) return kPending;
  const auto known = facts_.find(*key);
  return known != facts_.end() ? known->second.*fact : kPending;
}

void PuzzleFacts::FindPar(BackgroundSolve& search, const std::optional<std::string>& key, const PlayState& start,
                          const std::function<void(int)>& found) {
  const int known = Known(key, &Facts::par);
  found(known);
  if (known != kPending) return;
  search.Start(start, [this, key, found](const SolveResult& answer) {
    // A cancelled search's answer never comes here: kStopped is the state limit.
    const int par = ParOf(answer);
    if (key) facts_[*key].par = par;
    found(par);
  });
}

void PuzzleFacts::FindRating(BackgroundWork<int>& work, const std::optional<std::string>& key, const PlayState& start,
                             const std::function<void(int)>& found) {
  const int known = Known(key, &Facts::rating);
  found(known);
  if (known != kPending) return;
  work.Start([start](const std::atomic<bool>* cancel) { return RatingAt(start, cancel); },
             [this, key, found](const int& rating) {
               if (key) facts_[*key].rating = rating;
               found(rating);
             });
}

int ParOf(const SolveResult& answer) {
  switch (answer.outcome) {
    case SolveOutcome::kSolved: return static_cast<int>(answer.ops.size());
    case SolveOutcome::kNoSolution: return PuzzleFacts::kNoPar;
    case SolveOutcome::kStopped: break;
  }
  return PuzzleFacts::kTooLarge;
}

QString ParShown(int par) {
  if (par == PuzzleFacts::kPending) return QStringLiteral("…");
  if (par == PuzzleFacts::kNoPar) return QStringLiteral("—");
  if (par == PuzzleFacts::kTooLarge) return QCoreApplication::translate("suispo::PuzzleFacts", "大きすぎて調べきれません");
  return QString::number(par);
}

QString RatingShown(int rating) {
  if (rating == PuzzleFacts::kPending) return QStringLiteral("…");
  return QString(rating, QChar(0x25CF));
}

}  // namespace suispo
