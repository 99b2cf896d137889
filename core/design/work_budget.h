// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The work one candidate may do, counted in the states its searches hold: never in time, so that a
// set comes out the same bytes on any number of threads and on any machine.
#pragma once

#include <cstddef>

namespace suispo {

class WorkBudget {
 public:
  explicit WorkBudget(long long states) : left_(states) {}
  void Spend(std::size_t states) { left_ -= static_cast<long long>(states); }
  bool Spent() const { return left_ <= 0; }

 private:
  long long left_;
};

// Spends on the budget when there is one: the repairs and gates are called without one too.
inline void SpendOn(WorkBudget* budget, std::size_t states) {
  if (budget != nullptr) budget->Spend(states);
}

}  // namespace suispo
