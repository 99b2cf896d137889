// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage measures: the solver for the par, a level-by-level search of its own for the optimal ideas, and
// the wall layout read as groups of touching edges.
#include "core/design/measure.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "core/design/draft_search.h"
#include "core/design/effort.h"
#include "core/design/gates.h"
#include "core/design/near_par.h"
#include "core/design/random_player.h"
#include "core/rules/play_state.h"

namespace suispo {

namespace {

// Boards in some order, for a table of pars.
struct BoardOrder {
  bool operator()(const std::pair<Board, int>& a, const std::pair<Board, int>& b) const {
    return std::tie(a.first.cells, a.first.eastWalls, a.first.southWalls, a.second) <
           std::tie(b.first.cells, b.first.eastWalls, b.first.southWalls, b.second);
  }
};

// The par, or -1 (none, or a search stopped at its limit, or with maxOps above 0, none that short).
int Par(const PlayState& s, std::size_t limit, int maxOps = 0) {
  const SolveResult r = Solve(s, {.stateLimit = limit, .maxOps = maxOps});
  return r.outcome == SolveOutcome::kSolved ? static_cast<int>(r.ops.size()) : -1;
}

// Union-find over the grid's 7 x 7 corners: two edges touch when they share a corner.
int Root(std::array<int, 49>& up, int i) {
  while (up[static_cast<std::size_t>(i)] != i) i = up[static_cast<std::size_t>(i)] = up[static_cast<std::size_t>(up[static_cast<std::size_t>(i)])];
  return i;
}

}  // namespace

SolveResult SolveDraft(const StageDraft& draft, std::size_t stateLimit, int maxOps) {
  return Solve(StartOf(draft), {.stateLimit = stateLimit, .maxOps = maxOps});
}

int ParOf(const StageDraft& draft, std::size_t stateLimit) { return Par(StartOf(draft), stateLimit); }

std::optional<std::array<int, kCellCount>> ParFromEachCell(const StageDraft& draft, std::size_t stateLimit) {
  return ClearDistances(StartOf(draft), stateLimit);
}

Ideas CountIdeas(const StageDraft& draft, int par, int cap, std::size_t stateLimit) {
  Ideas ideas;
  if (par <= 0) return ideas;
  const DraftSearch search(draft);
  // Levels of the breadth-first search up to the one before the clear.
  std::vector<std::vector<Node>> levels{{search.Start()}};
  std::unordered_map<Node, int, NodeHash> depthOf{{search.Start(), 0}};
  while (static_cast<int>(levels.size()) < par) {
    std::vector<Node> next;
    const int depth = static_cast<int>(levels.size());
    for (const Node& n : levels.back()) {
      for (const auto& s : search.Successors(n)) {
        if (!s.cleared && depthOf.emplace(s.node, depth).second) next.push_back(s.node);
      }
      if (depthOf.size() > stateLimit) {
        ideas.count = -1;
        ideas.states = depthOf.size();
        return ideas;
      }
    }
    levels.push_back(std::move(next));
  }
  // From the last level back: the nodes that clear in exactly the operations left.
  std::unordered_set<Node, NodeHash> good;
  auto onTheWay = [&](const DraftSearch::Next& s, int depth) {
    if (depth == par - 1) return s.cleared;
    if (s.cleared || !good.contains(s.node)) return false;
    return depthOf.at(s.node) == depth + 1;
  };
  for (int depth = par - 1; depth >= 0; --depth) {
    for (const Node& n : levels[static_cast<std::size_t>(depth)]) {
      for (const auto& s : search.Successors(n)) {
        if (onTheWay(s, depth)) {
          good.insert(n);
          break;
        }
      }
    }
  }
  // Every optimal path once (up to a bound), each read as its moves and its final walls.
  std::set<std::pair<std::string, std::uint64_t>> found;
  std::vector<SolverOp> path;
  int paths = 0;
  std::function<void(const Node&, int)> walk = [&](const Node& n, int depth) {
    if (static_cast<int>(found.size()) >= cap || paths > 20000) return;
    for (const auto& s : search.Successors(n)) {
      path.push_back(s.op);
      if (depth == par - 1) {
        if (s.cleared) {
          ++paths;
          std::string moves;
          for (const SolverOp& op : path) {
            if (!op.wall) moves += static_cast<char>('0' + op.direction);
          }
          if (found.insert({moves, s.node.walls}).second && ideas.first.size() < 2) ideas.first.push_back(path);
        }
      } else if (onTheWay(s, depth)) {
        walk(s.node, depth + 1);
      }
      path.pop_back();
    }
  };
  walk(search.Start(), 0);
  ideas.count = static_cast<int>(found.size());
  ideas.states = depthOf.size();
  return ideas;
}

double WallGroupMean(const Board& board, int* edges) {
  std::array<int, 49> up;
  std::iota(up.begin(), up.end(), 0);
  int count = 0;
  std::vector<int> corners;
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    const Edge edge = InnerEdge(e);
    if (EdgeKind(board, edge) != kSolidWall) continue;
    ++count;
    const int x = edge.owner.x, y = edge.owner.y;
    const int a = edge.south ? (y + 1) * 7 + x : y * 7 + x + 1;
    const int b = (y + 1) * 7 + x + 1;
    up[static_cast<std::size_t>(Root(up, a))] = Root(up, b);
    corners.push_back(a);
  }
  if (edges) *edges = count;
  if (count == 0) return 0;
  std::set<int> groups;
  for (int c : corners) groups.insert(Root(up, c));
  return static_cast<double>(count) / static_cast<double>(groups.size());
}

double WallSymmetry(const Board& board) {
  std::vector<int> walls;
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    if (EdgeKind(board, InnerEdge(e)) == kSolidWall) walls.push_back(e);
  }
  if (walls.empty()) return 1;
  int best = 0;
  for (int s = 1; s < kSymmetryCount; ++s) {
    int kept = 0;
    for (int e : walls) kept += EdgeKind(board, InnerEdge(MapEdge(s, e))) == kSolidWall;
    best = std::max(best, kept);
  }
  return static_cast<double>(best) / static_cast<double>(walls.size());
}

namespace {

// Measures a draft step by step, cheap measures first. With `stop` set a step ends the run at the
// first gate that fails (the measures after it left unmeasured) and says false; without, every step
// runs but the search for the par, without which nothing else is measured.
class MeasureRun {
 public:
  MeasureRun(const StageDraft& draft, std::size_t limit, bool stop, bool freeKinds, unsigned where, StageMeasures& m,
             const KnownMeasures& known = {})
      : draft_(draft), limit_(limit), stop_(stop), freeKinds_(freeKinds), where_(where), m_(m), known_(known),
        start_(StartOf(draft)) {}

  // Kinds, warp colours and the walls' groups and symmetry: G4 and G5, no search.
  bool Layout() {
    m_.present = MechanicsOn(draft_.board);
    m_.kinds = std::popcount(m_.present);
    for (int colour = kWarpRed; colour <= kWarpOrange; ++colour) {
      m_.warpColours += std::count(draft_.board.cells.begin(), draft_.board.cells.end(), colour) > 0;
    }
    m_.wallGroupMean = WallGroupMean(draft_.board, &m_.wallEdges);
    m_.symmetry = WallSymmetry(draft_.board);
    return Kept(Passes(Gate::kWallsGrouped) && Passes(Gate::kSymmetricLook) && Passes(Gate::kFewKinds));
  }

  // The shortest clear. More wall points than it builds fail G6 at once; one more comes last.
  bool Solution() {
    best_ = Solve(start_, {.stateLimit = limit_});
    searched_ += best_.states;
    if (best_.outcome != SolveOutcome::kSolved) return false;
    m_.par = static_cast<int>(best_.ops.size());
    m_.wallPointsExact = draft_.mp <= best_.walls;
    return Kept(m_.wallPointsExact);
  }

  bool OptimalIdeas() {
    if (known_.ideas > 0) {
      m_.ideas = known_.ideas;
      return Kept(Passes(Gate::kOneIdea));
    }
    const Ideas ideas = CountIdeas(draft_, m_.par, kIdeaCap, std::min(limit_, kMeasureStateLimit));
    m_.ideas = ideas.count;
    searched_ += ideas.states;
    return Kept(Passes(Gate::kOneIdea));
  }

  // The solution's repeated moves: no search.
  bool Repeats() {
    m_.padding = PaddingOf(draft_, best_.ops);
    return Kept(Passes(Gate::kNoPadding));
  }

  // The gates asked only of demanding stages (each measured when asked, or when every measure is
  // wanted), and the effort, which no gate asks.
  bool Demanding() {
    if (!stop_ || Asked(kGates[static_cast<std::size_t>(Gate::kNotTrivial)], where_)) {
      m_.randomClearRate = RandomClearRate(draft_);
      if (!Kept(Passes(Gate::kNotTrivial))) return false;
    }
    if (!stop_ || Asked(kGates[static_cast<std::size_t>(Gate::kForcing)], where_)) {
      if (known_.nearParClears > 0) {
        m_.nearParClears = known_.nearParClears;
      } else {
        const NearParClears near = ClearsNearPar(draft_, m_.par, kNearParCap, std::min(limit_, kMeasureStateLimit));
        m_.nearParClears = near.count;
        searched_ += near.states;
      }
      if (!Kept(Passes(Gate::kForcing))) return false;
    }
    // The caller's bound on searches bounds this one too: the stage tool's default is the effort's own.
    if (!stop_) m_.effort = SearchEffort(draft_, std::min(limit_, kEffortLimit));
    return true;
  }

  // The holes a move from a resting cell of the solution falls into: they shape it even when taking
  // them away keeps the par.
  void TrapHoles() {
    PlayState s = start_;
    for (const SolverOp& op : best_.ops) {
      for (int d = kNorth; d <= kWest; ++d) {
        PlayState t = s;
        if (rules::Slide(t, d).landing == Landing::kMissed) traps_.insert(CellIndex(t.playerX, t.playerY));
      }
      if (op.wall) rules::PlaceWall(s, op.direction);
      else rules::Slide(s, op.direction);
    }
    m_.trapHoles = static_cast<int>(traps_.size());
  }

  // G2: each kind on the board, taken away whole, changes the par (holes: or every one is a trap).
  bool KindsNeeded() {
    const int holes = static_cast<int>(std::count(draft_.board.cells.begin(), draft_.board.cells.end(), kHole));
    for (unsigned kind = kHoles; kind <= kMarkedEdges; kind <<= 1) {
      if ((m_.present & kind) == 0) continue;
      const bool changes = ParWith([&](Board& b) { TakeKindsAway(b, kind); }) != m_.par;
      if (changes || (kind == kHoles && m_.trapHoles == holes)) m_.needed |= kind;
      if (!Kept(m_.needed & kind)) return false;
    }
    return true;
  }

  // G2: with one wall point fewer the par changes.
  bool WallPointsNeeded() {
    if (draft_.mp == 0) return true;
    PlayState fewer = start_;
    --fewer.mp;
    m_.wallPointsNeeded = ParOf(fewer) != m_.par;
    return Kept(m_.wallPointsNeeded);
  }

  // G3: no piece (a pair of pads is one) whose removal alone leaves the par as it is.
  bool InertPieces() {
    for (int i = 0; i < kCellCount; ++i) {
      const int kind = draft_.board.cells[static_cast<std::size_t>(i)];
      const std::string place = "(" + std::to_string(i / kBoardSize) + ", " + std::to_string(i % kBoardSize) + ")";
      auto floorAt = [i](Board& b) { b.cells[static_cast<std::size_t>(i)] = kFloor; };
      if (IsArrow(kind) && ParWith(floorAt) == m_.par) m_.inert.push_back("arrow at " + place);
      // The first pad of a colour stands for both.
      const bool firstPad = IsWarp(kind) && std::find(draft_.board.cells.begin(), draft_.board.cells.end(), kind) ==
                                                draft_.board.cells.begin() + i;
      if (firstPad && ParWith([&](Board& b) { std::replace(b.cells.begin(), b.cells.end(), kind, int{kFloor}); }) == m_.par) {
        m_.inert.push_back("warp pads of " + place);
      }
      if (kind == kHole && !traps_.contains(i) && ParWith(floorAt) == m_.par) m_.inert.push_back("hole at " + place);
      if (!Kept(m_.inert.empty())) return false;
    }
    for (int e = 0; e < kInnerEdgeCount; ++e) {
      const Edge edge = InnerEdge(e);
      if (EdgeKind(draft_.board, edge) != kMarkedEdge) continue;
      if (ParWith([&](Board& b) { EdgeKind(b, edge) = kNoWall; }) != m_.par) continue;
      m_.inert.push_back(std::string("marked ") + (edge.south ? "south" : "east") + " edge of (" +
                         std::to_string(edge.owner.x) + ", " + std::to_string(edge.owner.y) + ")");
      if (!Kept(false)) return false;
    }
    return true;
  }

  // G6: one wall point more never gives a clear shorter than par (it cannot give a longer one): a
  // search bounded at par - 1 operations decides it; one cut at its state limit decides nothing.
  void OneWallPointMore() {
    if (m_.par <= 1) return;
    PlayState more = start_;
    ++more.mp;
    const SolveResult withMore = Solve(more, {.stateLimit = limit_, .maxOps = m_.par - 1});
    searched_ += withMore.states;
    m_.wallPointsExact = m_.wallPointsExact && withMore.outcome == SolveOutcome::kNoSolution;
  }

 private:
  bool Passes(Gate gate) const { return suispo::Passes(gate, m_, freeKinds_); }
  bool Kept(bool pass) const { return !stop_ || pass; }

 public:
  std::size_t Searched() const { return searched_; }

 private:

  // Each change asks only whether the par stays: a search bounded by it says as much. A piece alone
  // of its kind is asked twice (its kind taken away, then the piece): asked once.
  int ParOf(const PlayState& s) {
    const auto [at, fresh] = pars_.try_emplace({s.board, s.mp}, 0);
    if (fresh) {
      const SolveResult r = Solve(s, {.stateLimit = limit_, .maxOps = m_.par});
      at->second = r.outcome == SolveOutcome::kSolved ? static_cast<int>(r.ops.size()) : -1;
      searched_ += r.states;
    }
    return at->second;
  }
  template <class Change>
  int ParWith(Change change) {
    PlayState s = start_;
    change(s.board);
    s.keysLeft = KeysOn(s.board);
    return ParOf(s);
  }

  const StageDraft& draft_;
  std::size_t limit_;
  bool stop_;
  bool freeKinds_;
  unsigned where_;
  StageMeasures& m_;
  const KnownMeasures known_;  // a copy: the default argument is a temporary
  PlayState start_;
  SolveResult best_;
  std::set<int> traps_;
  std::map<std::pair<Board, int>, int, BoardOrder> pars_;
  std::size_t searched_ = 0;
};

bool MeasureSteps(MeasureRun& run, bool freeKinds, unsigned where, StageMeasures& m) {
  if (!run.Layout() || !run.Solution() || !run.Repeats() || !run.OptimalIdeas()) return false;
  run.TrapHoles();
  if (!run.KindsNeeded() || !run.WallPointsNeeded() || !run.InertPieces()) return false;
  run.OneWallPointMore();
  if (!run.Demanding()) return false;
  return GatesOf(m, freeKinds).All(where);
}

}  // namespace

StageMeasures Measure(const StageDraft& draft, std::size_t limit) {
  StageMeasures m;
  MeasureRun run(draft, limit, false, false, kEveryStage, m);
  MeasureSteps(run, false, kEveryStage, m);
  return m;
}

bool PassesGates(const StageDraft& draft, int par, bool freeKinds, std::size_t limit, unsigned where,
                 const KnownMeasures& known, std::size_t* searched) {
  StageMeasures m;
  MeasureRun run(draft, limit, true, freeKinds, where, m, known);
  bool passes = false;
  if (known.everyStageGates) {
    // The gates asked of every stage passed on this very draft: only those asked here besides are left.
    m.par = par;
    passes = run.Demanding();
  } else {
    passes = MeasureSteps(run, freeKinds, where, m) && m.par == par;
  }
  if (searched != nullptr) *searched += run.Searched();
  return passes;
}

}  // namespace suispo
