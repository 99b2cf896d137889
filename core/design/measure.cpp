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
#include "core/design/near_par.h"
#include "core/design/random_player.h"
#include "core/rules/play_state.h"

namespace suispo {

namespace {

bool IsArrow(int kind) { return kind >= kArrowNorth && kind <= kArrowWest; }
bool IsWarp(int kind) { return kind >= kWarpRed && kind <= kWarpOrange; }

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

std::string MechanicNames(unsigned m) {
  std::string out;
  const char* names[] = {"holes", "arrows", "warps", "marked"};
  for (int i = 0; i < 4; ++i) {
    if (m >> i & 1) out += (out.empty() ? "" : ",") + std::string(names[i]);
  }
  return out;
}

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

unsigned MechanicsOn(const Board& board) {
  unsigned m = 0;
  for (int kind : board.cells) {
    if (kind == kHole) m |= kHoles;
    if (IsArrow(kind)) m |= kArrows;
    if (IsWarp(kind)) m |= kWarps;
  }
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    if (EdgeKind(board, InnerEdge(e)) == kMarkedEdge) m |= kMarkedEdges;
  }
  return m;
}

namespace {

// Measures a draft, cheap measures first. With `stop` it ends at the first gate that fails (the
// measures after it left unmeasured) and says false; the gates are GatesOf's with one idea asked.
bool MeasureSteps(const StageDraft& draft, std::size_t limit, const bool* stop, bool freeKinds, StageMeasures& m) {
  auto failed = [&](bool pass) { return stop != nullptr && *stop && !pass; };
  m.present = MechanicsOn(draft.board);
  m.kinds = std::popcount(m.present);
  for (int colour = kWarpRed; colour <= kWarpOrange; ++colour) {
    m.warpColours += std::count(draft.board.cells.begin(), draft.board.cells.end(), colour) > 0;
  }
  m.wallGroupMean = WallGroupMean(draft.board, &m.wallEdges);
  m.symmetry = WallSymmetry(draft.board);
  {
    const StageGates layout = GatesOf(m, freeKinds);
    if (failed(layout.wallsGrouped && layout.fewKinds)) return false;
  }
  const PlayState start = StartOf(draft);
  const SolveResult best = Solve(start, {.stateLimit = limit});
  if (best.outcome != SolveOutcome::kSolved) return false;
  m.par = static_cast<int>(best.ops.size());
  // More wall points than the solution builds fail G6 at once; the search with one more comes last.
  m.wallPointsExact = draft.mp <= best.walls;
  if (failed(m.wallPointsExact)) return false;
  m.ideas = CountIdeas(draft, m.par, kIdeaCap, std::min(limit, kMeasureStateLimit)).count;
  if (failed(m.ideas == 1)) return false;

  // Each change asks only whether the par stays: a search bounded by it says as much. A piece alone
  // of its kind is asked twice (its kind taken away, then the piece): asked once.
  std::map<std::pair<Board, int>, int, BoardOrder> pars;
  auto parOf = [&](const PlayState& s) {
    const auto [at, fresh] = pars.try_emplace({s.board, s.mp}, 0);
    if (fresh) at->second = Par(s, limit, m.par);
    return at->second;
  };
  auto parWith = [&](auto change) {
    PlayState s = start;
    change(s.board);
    s.keysLeft = KeysOn(s.board);
    return parOf(s);
  };
  auto clearCells = [](Board& b, auto which) {
    for (int& kind : b.cells) {
      if (which(kind)) kind = kFloor;
    }
  };
  auto clearMarked = [](Board& b, int only) {
    for (int e = 0; e < kInnerEdgeCount; ++e) {
      if ((only < 0 || e == only) && EdgeKind(b, InnerEdge(e)) == kMarkedEdge) EdgeKind(b, InnerEdge(e)) = kNoWall;
    }
  };
  // The holes a move from a resting cell of the solution falls into.
  std::set<int> traps;
  {
    PlayState s = start;
    for (const SolverOp& op : best.ops) {
      for (int d = kNorth; d <= kWest; ++d) {
        PlayState t = s;
        if (rules::Slide(t, d).landing == Landing::kMissed) traps.insert(CellIndex(t.playerX, t.playerY));
      }
      if (op.wall) rules::PlaceWall(s, op.direction);
      else rules::Slide(s, op.direction);
    }
  }
  const int holes = static_cast<int>(std::count(draft.board.cells.begin(), draft.board.cells.end(), static_cast<int>(kHole)));
  m.trapHoles = static_cast<int>(traps.size());
  if (m.present & kHoles) {
    const bool changes = parWith([&](Board& b) { clearCells(b, [](int k) { return k == kHole; }); }) != m.par;
    if (changes || m.trapHoles == holes) m.needed |= kHoles;
    if (failed(m.needed & kHoles)) return false;
  }
  if ((m.present & kArrows) && parWith([&](Board& b) { clearCells(b, IsArrow); }) != m.par) m.needed |= kArrows;
  if (failed((m.needed & m.present & kArrows) == (m.present & kArrows))) return false;
  if ((m.present & kWarps) && parWith([&](Board& b) { clearCells(b, IsWarp); }) != m.par) m.needed |= kWarps;
  if (failed((m.needed & m.present & kWarps) == (m.present & kWarps))) return false;
  if ((m.present & kMarkedEdges) && parWith([&](Board& b) { clearMarked(b, -1); }) != m.par) m.needed |= kMarkedEdges;
  if (failed((m.needed & m.present) == m.present)) return false;
  if (draft.mp > 0) {
    PlayState fewer = start;
    --fewer.mp;
    m.wallPointsNeeded = parOf(fewer) != m.par;
    if (failed(m.wallPointsNeeded)) return false;
  }

  for (int i = 0; i < kCellCount; ++i) {
    const int kind = draft.board.cells[static_cast<std::size_t>(i)];
    const std::string place = "(" + std::to_string(i / kBoardSize) + ", " + std::to_string(i % kBoardSize) + ")";
    if (IsArrow(kind) && parWith([&](Board& b) { b.cells[static_cast<std::size_t>(i)] = kFloor; }) == m.par) {
      m.inert.push_back("arrow at " + place);
    }
    // A pair of pads is one piece: the first pad of a colour stands for both.
    const bool firstPad = IsWarp(kind) && std::find(draft.board.cells.begin(), draft.board.cells.end(), kind) ==
                                             draft.board.cells.begin() + i;
    if (firstPad && parWith([&](Board& b) { clearCells(b, [&](int k) { return k == kind; }); }) == m.par) {
      m.inert.push_back("warp pads of " + place);
    }
    if (kind == kHole && !traps.contains(i) && parWith([&](Board& b) { b.cells[static_cast<std::size_t>(i)] = kFloor; }) == m.par) {
      m.inert.push_back("hole at " + place);
    }
    if (failed(m.inert.empty())) return false;
  }
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    if (EdgeKind(draft.board, InnerEdge(e)) != kMarkedEdge) continue;
    if (parWith([&](Board& b) { clearMarked(b, e); }) == m.par) {
      const Edge edge = InnerEdge(e);
      m.inert.push_back(std::string("marked ") + (edge.south ? "south" : "east") + " edge of (" +
                        std::to_string(edge.owner.x) + ", " + std::to_string(edge.owner.y) + ")");
      if (failed(false)) return false;
    }
  }
  // One wall point more never gives a clear shorter than par (it cannot give a longer one): a search
  // bounded at par - 1 operations decides it; one cut at its state limit decides nothing.
  if (m.par > 1) {
    PlayState more = start;
    ++more.mp;
    const SolveResult withMore = Solve(more, {.stateLimit = limit, .maxOps = m.par - 1});
    m.wallPointsExact = m.wallPointsExact && withMore.outcome == SolveOutcome::kNoSolution;
  }
  return GatesOf(m, freeKinds).All();
}

}  // namespace

StageMeasures Measure(const StageDraft& draft, std::size_t limit) {
  StageMeasures m;
  MeasureSteps(draft, limit, nullptr, false, m);
  if (m.par > 0) {
    m.effort = SearchEffort(draft);
    m.padding = PaddingOf(draft, SolveDraft(draft, limit).ops);
    m.nearParClears = ClearsNearPar(draft, m.par, kNearParCap, std::min(limit, kMeasureStateLimit));
    m.randomClearRate = RandomClearRate(draft);
  }
  return m;
}

bool PassesGates(const StageDraft& draft, int par, bool freeKinds, std::size_t limit) {
  StageMeasures m;
  const bool stop = true;
  return MeasureSteps(draft, limit, &stop, freeKinds, m) && m.par == par;
}

StageGates GatesOf(const StageMeasures& m, bool freeKinds) {
  StageGates g;
  g.oneIdea = m.ideas == 1;
  g.fewIdeas = m.ideas >= 1 && m.ideas <= 3;
  g.mechanicsNeeded = m.par > 0 && (m.needed & m.present) == m.present && m.wallPointsNeeded;
  g.noInertPiece = m.par > 0 && m.inert.empty();
  g.wallsGrouped = m.wallEdges == 0 || m.wallGroupMean >= 2;
  g.symmetricLook = m.symmetry >= kSymmetricLook;
  g.fewKinds = freeKinds || (m.kinds <= 3 && m.warpColours <= 3);
  g.wallPointsExact = m.par > 0 && m.wallPointsExact;
  g.noPadding = m.par > 0 && m.padding.Share() <= kMostRepeatShare && m.padding.longestRun <= kLongestRepeatRun;
  g.forcing = m.nearParClears >= 1 && m.nearParClears <= kMostNearParClears;
  g.notTrivial = m.par > 0 && m.randomClearRate <= kMostRandomClearRate;
  return g;
}

}  // namespace suispo
