// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The changes a repair tries at the parting operation, cheapest to the look of the stage first.
#include "core/design/repair.h"

#include <algorithm>
#include <vector>

#include "core/rules/play_state.h"

namespace suispo {

namespace {

// The changes that could take away an idea at its operation `op`, played from `s`.
std::vector<StageDraft> Changes(const StageDraft& d, const PlayState& s, const SolverOp& op, unsigned mechanics,
                                int symmetry) {
  std::vector<StageDraft> changes;
  const Cell from = s.Position();
  if (op.wall) {
    const std::optional<Edge> edge = EdgeBeside(from, op.direction);
    if ((mechanics & kMarkedEdges) && edge && EdgeKind(d.board, *edge) == kNoWall) {
      changes.push_back(d);
      EdgeKind(changes.back().board, *edge) = kMarkedEdge;
    }
    return changes;
  }
  const SlidePath path = TraceSlide(s.board, from, op.direction);
  if (mechanics & kHoles) {
    for (int k = 0; k < path.stepCount; ++k) {
      const int i = CellIndex(path.steps[static_cast<std::size_t>(k)].cell.x, path.steps[static_cast<std::size_t>(k)].cell.y);
      if (d.board.cells[static_cast<std::size_t>(i)] != kFloor || i == d.start) continue;
      changes.push_back(d);
      changes.back().board.cells[static_cast<std::size_t>(i)] = kHole;
    }
  }
  // The open edges the slide crosses, each with its images first.
  Cell at = from;
  for (int k = 0; k < path.stepCount; ++k) {
    const int direction = k == 0 ? op.direction : path.steps[static_cast<std::size_t>(k - 1)].direction;
    const std::optional<Edge> edge = EdgeBeside(at, direction);
    at = path.steps[static_cast<std::size_t>(k)].cell;
    if (!edge || EdgeKind(s.board, *edge) != kNoWall) continue;
    for (int mirrored = 1; mirrored >= 0; --mirrored) {
      changes.push_back(d);
      SetEdgeOrbit(changes.back(), mirrored ? symmetry : 0, InnerEdgeNumber(*edge), kSolidWall);
    }
  }
  return changes;
}

}  // namespace

namespace {

// Tries the changes on `mine`'s operations from where it parts from `other`: each wall it builds, up to
// and with its first slide. Keeps the first change `accept` takes.
template <class Accept>
bool ChangeWhereTheyPart(StageDraft& d, const std::vector<SolverOp>& mine, const std::vector<SolverOp>& other,
                         unsigned mechanics, int symmetry, Accept accept) {
  PlayState s;
  rules::StartStage(d.Line(), s);
  std::size_t i = 0;
  while (i < mine.size() && i < other.size() && mine[i] == other[i]) {
    if (mine[i].wall) rules::PlaceWall(s, mine[i].direction);
    else rules::Slide(s, mine[i].direction);
    ++i;
  }
  for (; i < mine.size(); ++i) {
    for (const StageDraft& tried : Changes(d, s, mine[i], mechanics, symmetry)) {
      if (accept(tried)) {
        d = tried;
        return true;
      }
    }
    if (!mine[i].wall) break;
    rules::PlaceWall(s, mine[i].direction);
  }
  return false;
}


// Whether the changed draft keeps the par: a search bounded by it says as much, and stops far sooner
// than one that goes on to a longer clear. Nothing is searched once the budget is spent.
bool KeepsPar(const StageDraft& tried, int par, std::size_t stateLimit, WorkBudget* budget) {
  if (budget != nullptr && budget->Spent()) return false;
  const SolveResult r = SolveDraft(tried, stateLimit, par);
  SpendOn(budget, r.states);
  return r.outcome == SolveOutcome::kSolved && static_cast<int>(r.ops.size()) == par;
}

}  // namespace

std::optional<Ideas> RepairIdeas(StageDraft& d, int par, const Ideas& ideas, unsigned mechanics, int symmetry,
                                 std::size_t stateLimit, WorkBudget* budget) {
  if (ideas.first.size() < 2) return std::nullopt;
  const int before = std::max(ideas.count, 2);
  Ideas kept;
  auto fewer = [&](const StageDraft& tried) {
    if (!KeepsPar(tried, par, stateLimit, budget)) return false;
    kept = CountIdeas(tried, par, kIdeaCap, stateLimit);
    SpendOn(budget, kept.states);
    return kept.count >= 1 && kept.count < before;
  };
  for (std::size_t side = 0; side < 2; ++side) {
    if (ChangeWhereTheyPart(d, ideas.first[side], ideas.first[1 - side], mechanics, symmetry, fewer)) return kept;
  }
  return std::nullopt;
}

std::optional<NearParClears> RepairNearPar(StageDraft& d, int par, const std::vector<SolverOp>& best,
                                           const NearParClears& near, unsigned mechanics, int symmetry,
                                           std::size_t stateLimit, WorkBudget* budget) {
  NearParClears kept;
  auto fewer = [&](const StageDraft& tried) {
    if (!KeepsPar(tried, par, stateLimit, budget)) return false;
    const Ideas ideas = CountIdeas(tried, par, kIdeaCap, stateLimit);
    SpendOn(budget, ideas.states);
    if (ideas.count != 1) return false;
    kept = ClearsNearPar(tried, par, kNearParCap, stateLimit);
    SpendOn(budget, kept.states);
    return kept.count >= 1 && kept.count < near.count;
  };
  for (const std::vector<SolverOp>& clear : near.first) {
    if (clear != best && ChangeWhereTheyPart(d, clear, best, mechanics, symmetry, fewer)) return kept;
  }
  return std::nullopt;
}

}  // namespace suispo
