// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The par from every start cell at once: the states searched from all floor cells, then the operations
// walked backwards from the clears.
#include <bit>

#include "core/solver/solver.h"
#include "core/solver/search.h"

namespace suispo {

std::optional<std::array<int, kCellCount>> ClearDistances(const PlayState& start, std::size_t stateLimit) {
  std::array<int, kCellCount> pars;
  pars.fill(-1);
  std::uint64_t floors = 0;
  for (int i = 0; i < kCellCount; ++i) {
    if (start.board.cells[static_cast<std::size_t>(i)] == kFloor) floors |= std::uint64_t{1} << i;
  }
  if (floors == 0) return pars;
  SolveOptions options;
  options.stateLimit = stateLimit;
  options.exploreAll = true;
  SolverArcs found;
  SolverSearch search(start, options, floors, &found);
  if (search.Run().outcome == SolveOutcome::kStopped) return std::nullopt;
  const SolverStates& states = search.states();
  const std::size_t count = states.size();

  // Each state's index by layout and cell.
  std::uint32_t layouts = 0;
  for (std::size_t i = 0; i < count; ++i) layouts = std::max(layouts, states.layoutOf(i) + 1);
  std::vector<std::uint32_t> index(static_cast<std::size_t>(layouts) * kCellCount, SolverStates::kNone);
  for (std::size_t i = 0; i < count; ++i) {
    index[static_cast<std::size_t>(states.layoutOf(i)) * kCellCount + static_cast<std::size_t>(states.cell(i))] =
        static_cast<std::uint32_t>(i);
  }
  auto reached = [&](const SolverArcs::Arc& a) {
    return index[static_cast<std::size_t>(a.layout) * kCellCount + static_cast<std::size_t>(a.cell)];
  };
  // The operations turned round: for each state, the states one operation before it.
  std::vector<std::uint32_t> firstBefore(count + 1, 0);
  for (const SolverArcs::Arc& a : found.arcs) ++firstBefore[reached(a) + 1];
  for (std::size_t i = 0; i < count; ++i) firstBefore[i + 1] += firstBefore[i];
  std::vector<std::uint32_t> before(found.arcs.size());
  std::vector<std::uint32_t> filled(firstBefore.begin(), firstBefore.end() - 1);
  for (const SolverArcs::Arc& a : found.arcs) before[filled[reached(a)]++] = a.from;

  // Breadth first from the states one move from the clear.
  std::vector<int> distance(count, -1);
  std::vector<std::uint32_t> queue;
  queue.reserve(count);
  for (std::uint32_t s : found.clearing) {
    if (distance[s] < 0) queue.push_back(s);
    distance[s] = 1;
  }
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const std::uint32_t s = queue[head];
    for (std::uint32_t k = firstBefore[s]; k < firstBefore[s + 1]; ++k) {
      const std::uint32_t p = before[k];
      if (distance[p] >= 0) continue;
      distance[p] = distance[s] + 1;
      queue.push_back(p);
    }
  }
  // The starts are the first states stored, one for each floor cell.
  for (std::size_t i = 0; i < static_cast<std::size_t>(std::popcount(floors)); ++i) {
    pars[static_cast<std::size_t>(states.cell(i))] = distance[i];
  }
  return pars;
}

}  // namespace suispo
