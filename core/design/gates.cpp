// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The gate table applied to a stage's measures.
#include "core/design/gates.h"

#include <algorithm>

namespace suispo {

// The table lists the gates in the order of Gate, so a gate is its own row's index.
static_assert([] {
  for (std::size_t i = 0; i < kGateCount; ++i) {
    if (static_cast<std::size_t>(kGates[i].gate) != i) return false;
  }
  return true;
}());

bool Passes(Gate gate, const StageMeasures& m, bool freeKinds) {
  return kGates[static_cast<std::size_t>(gate)].passes(m, freeKinds);
}

bool StageGates::All(unsigned where) const {
  for (std::size_t i = 0; i < kGateCount; ++i) {
    if (Asked(kGates[i], where) && !pass[i]) return false;
  }
  return true;
}

StageGates GatesOf(const StageMeasures& m, bool freeKinds) {
  StageGates g;
  for (std::size_t i = 0; i < kGateCount; ++i) g.pass[i] = kGates[i].passes(m, freeKinds);
  return g;
}

}  // namespace suispo
