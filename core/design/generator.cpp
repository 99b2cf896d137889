// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The designing generator: skeleton, pieces, start, climb, prune, repair, gates; the stages of a set
// shared out among threads.
#include "core/design/generator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <thread>
#include <unordered_map>

#include "core/design/draft_search.h"
#include "core/design/effort.h"
#include "core/design/gates.h"
#include "core/design/generator_tuning.h"
#include "core/design/measure.h"
#include "core/design/repair.h"
#include "core/design/repeated_ideas.h"
#include "core/design/work_budget.h"
#include "core/rules/play_state.h"
#include "core/text/shift_jis_text.h"
#include "core/text/translatable.h"

namespace suispo {

namespace {

constexpr const GeneratorTuning& t = kTuning;

// mt19937 is the same everywhere; the distributions of <random> are not, so draws are made here.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : engine_(seed) {}
  int Below(int n) { return n <= 1 ? 0 : static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::mt19937 engine_;
};

struct Plan {
  unsigned mechanics = 0;
  int target = 10;
  int symmetry = 0;  // of the skeleton; 0 for none
};

int CellAt(const StageDraft& d, int i) { return d.board.cells[static_cast<std::size_t>(i)]; }
int& CellAt(StageDraft& d, int i) { return d.board.cells[static_cast<std::size_t>(i)]; }

// A floor cell other than the start, drawn from those there are; -1 when there is none.
int FreeCell(const StageDraft& d, Dice& dice) {
  std::array<int, kCellCount> free;
  int count = 0;
  for (int i = 0; i < kCellCount; ++i) {
    if (CellAt(d, i) == kFloor && i != d.start) free[static_cast<std::size_t>(count++)] = i;
  }
  return count == 0 ? -1 : free[static_cast<std::size_t>(dice.Below(count))];
}

// Puts a piece on a cell; false when there was no cell (-1) to put it on.
bool Put(StageDraft& d, int cell, int kind) {
  if (cell < 0) return false;
  CellAt(d, cell) = kind;
  return true;
}

// The inner edges that meet a corner of the grid (corners 1-5 on each axis are inside).
std::vector<int> EdgesAtCorner(int cx, int cy) {
  std::vector<int> edges;
  if (cy >= 1 && cy <= 5 && cx <= 5) edges.push_back(InnerEdgeNumber({{cx, cy - 1}, true}));
  if (cy >= 1 && cy <= 5 && cx >= 1) edges.push_back(InnerEdgeNumber({{cx - 1, cy - 1}, true}));
  if (cx >= 1 && cx <= 5 && cy <= 5) edges.push_back(InnerEdgeNumber({{cx - 1, cy}, false}));
  if (cx >= 1 && cx <= 5 && cy >= 1) edges.push_back(InnerEdgeNumber({{cx - 1, cy - 1}, false}));
  // Only edges between two cells of the board.
  std::erase_if(edges, [&](int e) {
    const Edge edge = InnerEdge(e);
    return edge.south ? edge.owner.x > 5 || edge.owner.y > 4 : edge.owner.x > 4 || edge.owner.y > 5;
  });
  return edges;
}

// A group of touching walls: a walk along the grid's lines from a corner, each step with its images.
void AddWallGroup(StageDraft& d, int symmetry, int length, Dice& dice) {
  int cx = dice.Between(1, 5), cy = dice.Between(1, 5);
  for (int step = 0; step < length; ++step) {
    const std::vector<int> edges = EdgesAtCorner(cx, cy);
    if (edges.empty()) return;
    const int e = edges[static_cast<std::size_t>(dice.Below(static_cast<int>(edges.size())))];
    SetEdgeOrbit(d, symmetry, e, kSolidWall);
    // Walk to the edge's other corner.
    const Edge edge = InnerEdge(e);
    const int ax = edge.south ? edge.owner.x : edge.owner.x + 1, ay = edge.south ? edge.owner.y + 1 : edge.owner.y;
    const int bx = edge.owner.x + 1, by = edge.owner.y + 1;
    if (ax == cx && ay == cy) {
      cx = bx;
      cy = by;
    } else {
      cx = ax;
      cy = ay;
    }
  }
}

// A free cell where a slide can come to rest: the border or a wall on one of its sides; -1 when there
// is no free cell.
int StopCell(const StageDraft& d, Dice& dice) {
  for (int tries = 0; tries < 100; ++tries) {
    const int i = FreeCell(d, dice);
    if (i < 0) return -1;
    const Cell at{i / kBoardSize, i % kBoardSize};
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const std::optional<Edge> edge = EdgeBeside(at, direction);
      if (!edge || EdgeKind(d.board, *edge) == kSolidWall) return i;
    }
  }
  return FreeCell(d, dice);
}

// A marked edge only ever matters to a wall being built: a plan with marked edges keeps a wall point.
int FewestWallPoints(unsigned mechanics, const GenerateOptions& o) {
  return (mechanics & kMarkedEdges) && o.maxWallPoints > 0 ? 1 : 0;
}

// False when the board had no room for them all.
bool AddPieces(StageDraft& d, const GenerateOptions& o, unsigned mechanics, Dice& dice) {
  bool room = Put(d, StopCell(d, dice), kDoor);
  for (int n = dice.Between(1, o.maxKeys); n > 0; --n) room = room && Put(d, StopCell(d, dice), kKey);
  const int most = o.freeKinds ? 3 : 2;
  if (mechanics & kHoles) {
    for (int n = dice.Between(1, most); n > 0; --n) room = room && Put(d, FreeCell(d, dice), kHole);
  }
  if (mechanics & kArrows) {
    for (int n = dice.Between(1, most + 1); n > 0; --n) room = room && Put(d, FreeCell(d, dice), kArrowNorth + dice.Below(4));
  }
  if (mechanics & kWarps) {
    const int pairs = o.freeKinds ? dice.Between(1, 3) : 1 + dice.Chance(25);
    for (int colour = kWarpRed; colour < kWarpRed + pairs; ++colour) {
      room = room && Put(d, FreeCell(d, dice), colour) && Put(d, FreeCell(d, dice), colour);
    }
  }
  if (mechanics & kMarkedEdges) {
    for (int n = dice.Between(1, most + 1); n > 0; --n) {
      const int e = dice.Below(kInnerEdgeCount);
      if (EdgeKind(d.board, InnerEdge(e)) == kNoWall) EdgeKind(d.board, InnerEdge(e)) = kMarkedEdge;
    }
  }
  d.mp = dice.Between(FewestWallPoints(mechanics, o), o.maxWallPoints);
  return room;
}

// The pars of the drafts solved while one candidate is made: a climb often comes back to a draft (an
// edit that changes nothing, a wall put up and taken down), and scores ask the same drafts again.
class ParMemo {
 public:
  // What Of says when the par is more than the most asked for, or there is none.
  static constexpr int kBeyond = -2;

  ParMemo(std::size_t stateLimit, WorkBudget& budget) : stateLimit_(stateLimit), budget_(budget) {}

  // The par (-1 for none within the state limit); with `most` above 0, kBeyond instead of any par
  // above it, found without searching further.
  int Of(const StageDraft& d, int most = 0) {
    Known& known = KnownOf(d);
    if (known.par != kBeyond || (most > 0 && most <= known.above)) return known.par;
    // The search is breadth first: a bound changes nothing about a clear found within it, nor about a
    // search that stops at its state limit on the way.
    const SolveResult r = SolveDraft(d, stateLimit_, most);
    budget_.Spend(r.states);
    if (r.outcome == SolveOutcome::kSolved) {
      known.par = static_cast<int>(r.ops.size());
      const Padding padding = PaddingOf(d, r.ops);
      known.padded = padding.Share() > kMostRepeatShare || padding.longestRun > kLongestRepeatRun;
    } else if (r.outcome == SolveOutcome::kNoSolution && !r.complete) known.above = most;
    else known.par = -1;
    return known.par;
  }

  // Whether the solution found with the par repeats too many of its moves (noPadding of
  // core/design/gates.h); false before the par is known.
  bool Padded(const StageDraft& d) { return KnownOf(d).padded; }

  // The effort (core/design/effort.h) found within `limit` positions; -1 past it.
  long EffortOf(const StageDraft& d, std::size_t limit) {
    Known& known = KnownOf(d);
    if (!known.effort) {
      known.effort = SearchEffort(d, limit);
      budget_.Spend(*known.effort < 0 ? limit : static_cast<std::size_t>(*known.effort));
    }
    return *known.effort;
  }

 private:
  struct Known {
    int par = kBeyond;
    int above = 0;  // while par is kBeyond: no clear takes this many operations or fewer
    bool padded = false;
    std::optional<long> effort{};
  };

  Known& KnownOf(const StageDraft& d) {
    std::string key(3 * kCellCount + 2, '\0');
    for (int i = 0; i < kCellCount; ++i) {
      key[static_cast<std::size_t>(3 * i)] = static_cast<char>(d.board.cells[static_cast<std::size_t>(i)]);
      key[static_cast<std::size_t>(3 * i + 1)] = static_cast<char>(d.board.eastWalls[static_cast<std::size_t>(i)]);
      key[static_cast<std::size_t>(3 * i + 2)] = static_cast<char>(d.board.southWalls[static_cast<std::size_t>(i)]);
    }
    key[3 * kCellCount] = static_cast<char>(d.start);
    key[3 * kCellCount + 1] = static_cast<char>(d.mp);
    return pars_.try_emplace(std::move(key)).first->second;
  }

  std::size_t stateLimit_;
  WorkBudget& budget_;
  std::unordered_map<std::string, Known> pars_;
};

// Whether taking every piece of one kind away changes the par.
bool KindNeeded(const StageDraft& d, unsigned kind, int par, ParMemo& pars) {
  StageDraft without = d;
  TakeKindsAway(without.board, kind);
  return pars.Of(without, par) != par;
}

// How good a draft is for its plan: near the target par, walls grouped and symmetric, its mechanics
// there, and once the par is in the band, needed.
// What the score owes to the draft's walls and pieces alone, worked out once for every par it is
// weighed with.
struct Looks {
  double walls;
  double kinds;
};
Looks LooksOf(const StageDraft& d, const Plan& plan) {
  const unsigned on = MechanicsOn(d.board);
  return {t.groupWeight * std::min(WallGroupMean(d.board), t.groupCountedUpTo) + t.symmetryWeight * WallSymmetry(d.board),
          t.kindWeight * (std::popcount(plan.mechanics & ~on) + std::popcount(on & ~plan.mechanics))};
}

// The score before the needed kinds are asked: the most a par can give a draft.
double Ceiling(const Looks& looks, const Plan& plan, int par) {
  return -t.parWeight * std::abs(par - plan.target) + looks.walls - looks.kinds;
}

// How far the draft's effort lies outside the band, per halving or doubling: a search of twice the
// band's top positions at most (of its floor without a top) tells.
double EffortPenalty(const StageDraft& d, const GenerateOptions& o, ParMemo& pars) {
  if (o.minEffort <= 0 && o.maxEffort <= 0) return 0;
  const long limit = o.maxEffort > 0 ? 2L * o.maxEffort : o.minEffort;
  const long effort = pars.EffortOf(d, static_cast<std::size_t>(limit));
  if (effort < 0) return o.maxEffort > 0 ? t.effortWeight : 0;
  if (effort < o.minEffort) {
    return t.effortWeight * std::log2(static_cast<double>(o.minEffort) / static_cast<double>(std::max(effort, 1L)));
  }
  if (o.maxEffort > 0 && effort > o.maxEffort) return t.effortWeight * std::log2(static_cast<double>(effort) / o.maxEffort);
  return 0;
}

// A score below `floor` is only said to be below it: the kinds left are not asked.
double Score(const StageDraft& d, const Looks& looks, const Plan& plan, const GenerateOptions& o, int par,
             ParMemo& pars, double floor = -1e300) {
  if (par < 0) return -1e9;
  double score = Ceiling(looks, plan, par);
  const unsigned on = MechanicsOn(d.board);
  if (par >= o.minPar && par <= o.maxPar) {
    for (unsigned kind = 1; kind <= kMarkedEdges && score >= floor; kind <<= 1) {
      if ((plan.mechanics & on & kind) && !KindNeeded(d, kind, par, pars)) score -= t.unneededWeight;
    }
    if (pars.Padded(d)) score -= t.paddedWeight;
    if (score >= floor) score -= EffortPenalty(d, o, pars);
  } else {
    // Outside the band every kind counts as not needed (and is not asked, saving the searches), so
    // that coming into the band never scores worse than staying just outside it.
    score -= t.unneededWeight * std::popcount(plan.mechanics & on);
  }
  return score;
}

// Puts the start on the free cell whose par is nearest the target: every cell's par from one search
// back from the door; among cells as near, the first from a random place on. A board whose search
// stops at its limit is left: it is far from a stage a person would enjoy.
bool ChooseStart(StageDraft& d, const Plan& plan, Dice& dice) {
  const int offset = dice.Below(kCellCount);
  const std::optional<std::array<int, kCellCount>> pars = ParFromEachCell(d, t.startStates);
  if (!pars) return false;
  int bestGap = 1 << 20;
  int best = -1;
  for (int k = 0; k < kCellCount; ++k) {
    const int i = (k * 7 + offset) % kCellCount;
    const int par = (*pars)[static_cast<std::size_t>(i)];
    if (par < 0) continue;
    const int gap = std::abs(par - plan.target);
    if (gap < bestGap) {
      bestGap = gap;
      best = i;
    }
  }
  if (best < 0) return false;
  d.start = best;
  return true;
}

// The inner edges where the solution builds its walls.
std::vector<int> WallsBuilt(const StageDraft& d, const std::vector<SolverOp>& ops) {
  std::vector<int> edges;
  PlayState s = StartOf(d);
  for (const SolverOp& op : ops) {
    if (!op.wall) {
      rules::Slide(s, op.direction);
      continue;
    }
    const std::optional<Edge> edge = EdgeBeside(s.Position(), op.direction);
    if (edge && EdgeKind(d.board, *edge) == kNoWall) edges.push_back(InnerEdgeNumber(*edge));
    rules::PlaceWall(s, op.direction);
  }
  return edges;
}

// `built`: the edges where the draft's solution builds walls; a marked edge moved onto one of them
// takes that solution away, the likeliest way for marked edges to become needed.
StageDraft Mutate(const StageDraft& from, const Plan& plan, const GenerateOptions& o, const std::vector<int>& built,
                  Dice& dice) {
  StageDraft d = from;
  switch (dice.Below(6)) {
    case 0: {  // move a piece
      const int i = dice.Below(kCellCount);
      const int kind = CellAt(d, i);
      if (kind == kFloor) break;
      CellAt(d, i) = kFloor;
      Put(d, FreeCell(d, dice), kind);
      break;
    }
    case 1:  // move the start
      if (const int i = FreeCell(d, dice); i >= 0) d.start = i;
      break;
    case 2: {  // a wall comes or goes, with its images
      // Any inner edge, drawn uniformly: a wall that does not touch the others costs the score its
      // grouping, so the climb keeps the walls that grow groups.
      const int e = dice.Below(kInnerEdgeCount);
      const int kind = EdgeKind(d.board, InnerEdge(e));
      if (kind == kMarkedEdge) break;
      SetEdgeOrbit(d, plan.symmetry, e, kind == kSolidWall ? kNoWall : kSolidWall);
      break;
    }
    case 3: {  // turn an arrow, or move a marked edge: one of those on the board, drawn among them
      std::vector<int> arrows, marked;
      for (int i = 0; i < kCellCount; ++i) {
        if (IsArrow(CellAt(d, i))) arrows.push_back(i);
      }
      for (int e = 0; e < kInnerEdgeCount; ++e) {
        if (EdgeKind(d.board, InnerEdge(e)) == kMarkedEdge) marked.push_back(e);
      }
      if (!marked.empty() && (arrows.empty() || dice.Chance(50))) {
        const int e = marked[static_cast<std::size_t>(dice.Below(static_cast<int>(marked.size())))];
        const int f = !built.empty() && dice.Chance(50) ? built[static_cast<std::size_t>(dice.Below(static_cast<int>(built.size())))]
                                                        : dice.Below(kInnerEdgeCount);
        if (EdgeKind(d.board, InnerEdge(f)) == kNoWall) {
          EdgeKind(d.board, InnerEdge(e)) = kNoWall;
          EdgeKind(d.board, InnerEdge(f)) = kMarkedEdge;
        }
      } else if (!arrows.empty()) {
        CellAt(d, arrows[static_cast<std::size_t>(dice.Below(static_cast<int>(arrows.size())))]) = kArrowNorth + dice.Below(4);
      }
      break;
    }
    case 4: d.mp = std::clamp(d.mp + (dice.Chance(50) ? 1 : -1), FewestWallPoints(plan.mechanics, o), o.maxWallPoints); break;
    default: {  // a key comes or goes
      const int i = dice.Below(kCellCount);
      const int keys = KeysOn(d.board);
      if (CellAt(d, i) == kKey && keys > 1) CellAt(d, i) = kFloor;
      else if (CellAt(d, i) == kFloor && i != d.start && keys < o.maxKeys) CellAt(d, i) = kKey;
    }
  }
  return d;
}

// Takes away every piece whose removal keeps the par, and the wall points not needed.
void Prune(StageDraft& d, int par, ParMemo& pars, WorkBudget& budget) {
  auto tryWithout = [&](auto change) {
    StageDraft without = d;
    change(without);
    if (pars.Of(without, par) == par) d = without;
  };
  for (int i = 0; i < kCellCount; ++i) {
    const int kind = CellAt(d, i);
    if (kind == kHole || IsArrow(kind)) tryWithout([&](StageDraft& w) { CellAt(w, i) = kFloor; });
    if (IsWarp(kind)) {
      tryWithout([&](StageDraft& w) { std::replace(w.board.cells.begin(), w.board.cells.end(), kind, static_cast<int>(kFloor)); });
    }
  }
  for (int e = 0; e < kInnerEdgeCount; ++e) {
    if (EdgeKind(d.board, InnerEdge(e)) == kMarkedEdge) tryWithout([&](StageDraft& w) { EdgeKind(w.board, InnerEdge(e)) = kNoWall; });
  }
  const SolveResult r = SolveDraft(d, t.draftStates);
  budget.Spend(r.states);
  if (r.outcome == SolveOutcome::kSolved) d.mp = std::min(d.mp, r.walls);
  while (d.mp > 0) {
    StageDraft fewer = d;
    --fewer.mp;
    if (pars.Of(fewer, par) != par) break;
    d = fewer;
  }
}

struct Made {
  int par;
  StageDraft draft;
  unsigned mechanics;
};

// What the threads share while a set is made: the cancel flag, a stop when the band is out of reach,
// and the progress told to the hooks one call at a time.
class SetWork {
 public:
  SetWork(const GenerateHooks& hooks, int wanted) : hooks_(hooks) { progress_.wanted = wanted; }

  bool Stopped() const {
    return gaveUp_.load(std::memory_order_relaxed) || (hooks_.cancel && hooks_.cancel->load(std::memory_order_relaxed));
  }
  bool Cancelled() const { return hooks_.cancel && hooks_.cancel->load(std::memory_order_relaxed); }
  void GiveUp() { gaveUp_ = true; }
  bool GaveUp() const { return gaveUp_; }

  // Each candidate is told: a stage's last candidates may spend long in their repairs and gates,
  // where no climb step is counted.
  void Candidate() { Tell([](GenerateProgress& p) { ++p.candidates; return true; }); }
  void ClimbStep() {
    Tell([](GenerateProgress& p) { return ++p.climbSteps % t.stepsPerReport == 0; });
  }
  void StageMade(int change) {
    Tell([change](GenerateProgress& p) {
      p.made += change;
      return change > 0;
    });
  }

 private:
  // Changes the progress under the lock, and tells the hooks when the change says so.
  template <class Change>
  void Tell(Change change) {
    std::lock_guard lock(mutex_);
    if (change(progress_) && hooks_.progress) hooks_.progress(progress_);
  }

  const GenerateHooks& hooks_;
  std::atomic<bool> gaveUp_ = false;
  std::mutex mutex_;
  GenerateProgress progress_;
};

// A climb: small edits to a draft, each kept when the score does not fall.
class Climb {
 public:
  Climb(const GenerateOptions& o, const Plan& plan, Dice& dice, SetWork& work, WorkBudget& budget, const StageDraft& from)
      : o_(o), plan_(plan), dice_(dice), work_(work), budget_(budget), pars_(t.climbStates, budget), d_(from) {
    par_ = pars_.Of(d_);
    looks_ = LooksOf(d_, plan_);
    score_ = Score(d_, looks_, plan_, o_, par_, pars_);
  }

  // Up to `steps` edits, none once the candidate's budget is spent (the draft in hand is the best the
  // climb found). In the band at or past the target, with every kind of the plan needed and the effort
  // in its band (the score is all its ceiling), is enough after `least` of them; with `drop`, a climb
  // nowhere near the band by half way is dropped.
  void Run(int steps, int least, bool drop) {
    for (int step = 0; step < steps && !work_.Stopped() && !budget_.Spent(); ++step) {
      work_.ClimbStep();
      if (step >= least && Good()) return;
      if (drop && step == steps / 2 && par_ < o_.minPar - t.dropBelowBand) return;
      if (!builtKnown_ && (plan_.mechanics & kMarkedEdges)) {
        const SolveResult r = SolveDraft(d_, t.climbStates);
        budget_.Spend(r.states);
        built_ = r.outcome == SolveOutcome::kSolved ? WallsBuilt(d_, r.ops) : std::vector<int>{};
        builtKnown_ = true;
      }
      const StageDraft next = Mutate(d_, plan_, o_, built_, dice_);
      // No par beyond `most` could score as well as the draft in hand: the search stops there.
      const Looks nextLooks = LooksOf(next, plan_);
      int most = plan_.target;
      if (Ceiling(nextLooks, plan_, most) < score_) continue;
      while (most < t.longestAsked && Ceiling(nextLooks, plan_, most + 1) >= score_) ++most;
      const int nextPar = pars_.Of(next, most < t.longestAsked ? most : 0);
      if (nextPar == ParMemo::kBeyond) continue;
      const double nextScore = Score(next, nextLooks, plan_, o_, nextPar, pars_, score_);
      if (nextScore >= score_) {
        builtKnown_ = builtKnown_ && d_ == next;
        d_ = next;
        looks_ = nextLooks;
        par_ = nextPar;
        score_ = nextScore;
      }
    }
  }

  bool Good() const { return par_ >= plan_.target && par_ <= o_.maxPar && score_ >= Ceiling(looks_, plan_, par_); }
  bool InBand() const { return par_ >= o_.minPar && par_ <= o_.maxPar; }
  // In the band with the score all its ceiling: every kind of the plan needed, the effort in its band.
  // Besides, the gates a climb can judge cheaply: the walls' layout, and one wall point more giving no
  // shorter clear.
  bool Ready() {
    if (!InBand() || score_ < Ceiling(looks_, plan_, par_)) return false;
    int edges = 0;
    const double groups = WallGroupMean(d_.board, &edges);
    if ((edges > 0 && groups < 2) || WallSymmetry(d_.board) < kSymmetricLook) return false;
    StageDraft more = d_;
    ++more.mp;
    const int parWithMore = pars_.Of(more, par_ - 1);
    return parWithMore == ParMemo::kBeyond || parWithMore < 0 || parWithMore >= par_;
  }
  const StageDraft& Draft() const { return d_; }
  int Par() const { return par_; }

 private:
  const GenerateOptions& o_;
  const Plan& plan_;
  Dice& dice_;
  SetWork& work_;
  WorkBudget& budget_;
  ParMemo pars_;
  StageDraft d_;
  int par_ = -1;
  Looks looks_{};
  double score_ = 0;
  std::vector<int> built_;  // WallsBuilt of the draft in hand, with marked edges in the plan
  bool builtKnown_ = false;
};

// The effort band: a search stopped past the band's top says the draft is beyond it.
bool InEffortBand(const StageDraft& d, const GenerateOptions& o, WorkBudget& budget) {
  if (o.minEffort <= 0 && o.maxEffort <= 0) return true;
  const std::size_t limit = o.maxEffort > 0 ? static_cast<std::size_t>(o.maxEffort) : kEffortLimit;
  const long effort = SearchEffort(d, limit);
  budget.Spend(effort < 0 ? limit : static_cast<std::size_t>(effort));
  return effort >= 0 && effort >= o.minEffort;
}

// The climbed draft made a stage: pruned, repaired, and kept only when it passes every gate asked
// where it stands, the cheap checks first. What a repair finds of the draft it keeps is not searched
// again, and a repair gives up once the candidate's budget is spent.
std::optional<Made> Finish(StageDraft d, int par, const GenerateOptions& o, const Plan& plan, WorkBudget& budget) {
  // From here on the searches have the draft limit again.
  ParMemo checked(t.draftStates, budget);
  Prune(d, par, checked, budget);
  if ((MechanicsOn(d.board) & plan.mechanics) != plan.mechanics || KeysOn(d.board) == 0 || HasArrowLoop(d.board)) {
    return std::nullopt;
  }
  Ideas ideas = CountIdeas(d, par, kIdeaCap, t.draftStates);
  budget.Spend(ideas.states);
  for (int round = 0; round < t.repairRounds && ideas.count != 1; ++round) {
    if (ideas.count < 1) return std::nullopt;
    std::optional<Ideas> fewer = RepairIdeas(d, par, ideas, plan.mechanics, plan.symmetry, t.draftStates, &budget);
    if (!fewer) return std::nullopt;
    ideas = std::move(*fewer);
  }
  // The cheaper checks before the forcing repair, the dearest step; it changes the draft, so they are
  // made again after it.
  if (!InEffortBand(d, o, budget)) return std::nullopt;
  std::size_t searched = 0;
  // A count the repairs decided holds for the gates' larger limit too.
  const bool everyStage =
      PassesGates(d, par, o.freeKinds, kMeasureStateLimit, kEveryStage, {.ideas = std::max(ideas.count, 0)}, &searched);
  budget.Spend(searched);
  if (!everyStage) return std::nullopt;
  // The forcing repair keeps only a draft of one idea.
  KnownMeasures known{.everyStageGates = true, .ideas = 1};
  if (Asked(kGates[static_cast<std::size_t>(Gate::kForcing)], o.gateScope)) {
    NearParClears near = ClearsNearPar(d, par, kNearParCap, t.draftStates);
    budget.Spend(near.states);
    for (int round = 0; round < t.nearParRepairRounds && (near.count < 1 || near.count > kMostNearParClears); ++round) {
      if (near.count < 1) return std::nullopt;
      const SolveResult best = SolveDraft(d, t.draftStates);
      budget.Spend(best.states);
      std::optional<NearParClears> fewer =
          RepairNearPar(d, par, best.ops, near, plan.mechanics, plan.symmetry, t.draftStates, &budget);
      if (!fewer) return std::nullopt;
      near = std::move(*fewer);
      known.everyStageGates = false;
    }
    if (!known.everyStageGates && !InEffortBand(d, o, budget)) return std::nullopt;
    known.nearParClears = near.count;
  }
  // Its mechanics are on the board (above), and every gate asks each mechanic on it to be needed.
  searched = 0;
  const bool passes = PassesGates(d, par, o.freeKinds, kMeasureStateLimit, o.gateScope, known, &searched);
  budget.Spend(searched);
  if (!passes) return std::nullopt;
  return Made{par, d, plan.mechanics};
}

// One stage for the plan, or nothing after this candidate.
// What a candidate tells besides its stage: the highest par its climb reached, and whether it ran out of
// its budget.
struct CandidateEnd {
  int highest = 0;
  bool overBudget = false;
};

std::optional<Made> OneStage(const GenerateOptions& o, unsigned mechanics, Dice& dice, CandidateEnd& end, SetWork& work) {
  Plan plan{mechanics, dice.Between(o.minPar, o.maxPar), 0};
  constexpr int kSymmetries[] = {2, 4, 5, 6, 1, 2, 4};
  if (dice.Chance(t.symmetricPercent)) plan.symmetry = kSymmetries[dice.Below(7)];
  StageDraft skeleton;
  skeleton.start = -1;
  for (int groups = dice.Between(t.fewestWallGroups, t.mostWallGroups); groups > 0; --groups) {
    AddWallGroup(skeleton, plan.symmetry, dice.Between(t.shortestWallGroup, t.longestWallGroup), dice);
  }
  // Pieces on the skeleton until some start clears the stage.
  StageDraft d = skeleton;
  for (int attempt = 0;; ++attempt) {
    if (attempt == t.pieceTries) return std::nullopt;
    d = skeleton;
    if (AddPieces(d, o, mechanics, dice) && ChooseStart(d, plan, dice)) break;
  }
  WorkBudget budget(t.candidateStates);
  Climb climb(o, plan, dice, work, budget, d);
  const int steps = t.climbSteps + t.stepsPerLongerPar * std::clamp(o.maxPar - t.longerParFrom, 0, t.longerParMost);
  climb.Run(steps, steps / 4, true);
  end.highest = std::max(end.highest, climb.Par());
  // A climbed draft that fails a gate is a good place to walk on from: a few edits more give another
  // draft in the band for far less than a new climb.
  for (int walk = 0;; ++walk) {
    if (climb.Ready()) {
      if (std::optional<Made> made = Finish(climb.Draft(), climb.Par(), o, plan, budget)) return made;
    } else if (walk == 0 && !climb.InBand()) {
      end.overBudget = budget.Spent();
      return std::nullopt;
    }
    end.overBudget = budget.Spent();
    if (walk == t.walksOn || work.Stopped() || budget.Spent()) return std::nullopt;
    climb.Run(t.walkSteps, t.walkSteps, false);
  }
}

// One stage of the set. Its candidate k draws from its own seed (the stage's seed and k), and the
// stage is its first candidate by number that passes, not the first to finish: candidates of one
// stage can run on several threads at once and the set stays the same for any number of threads.
struct Slot {
  std::uint32_t seed;
  unsigned mechanics;
  int issued = 0;                 // candidates handed out, numbered from 0
  int finished = 0;               // of those, finished
  std::vector<int> highest{};     // the par each finished candidate reached, by number (-1 while running)
  std::map<int, Made> passed{};   // the candidates that passed, by number
  std::set<int> repeats{};        // candidates that repeat a stage before this one in the set
  int overBudget = 0;             // finished candidates that ran out of their budget
  bool told = false;              // counted in the progress as made

  // The number of the candidate the stage is, once every candidate before it has finished; none yet.
  std::optional<int> ChosenNumber() const {
    for (const auto& [k, made] : passed) {
      if (repeats.contains(k)) continue;
      if (std::find(highest.begin(), highest.begin() + k, -1) != highest.begin() + k) return std::nullopt;
      return k;
    }
    return std::nullopt;
  }
  const Made* Chosen() const {
    const std::optional<int> k = ChosenNumber();
    return k ? &passed.at(*k) : nullptr;
  }
  // Whether a candidate past those issued could still be the stage.
  bool Open(int budget) const {
    for (const auto& [k, made] : passed) {
      if (!repeats.contains(k)) return false;
    }
    return issued < budget;
  }
};

// Hands out the set's candidates to the threads: the next of the open stage with the fewest issued,
// so every stage moves on and a hard one gets every thread at the end.
class Dealer {
 public:
  Dealer(std::vector<Slot>& slots, const GenerateOptions& o, int budget, SetWork& work)
      : slots_(slots), o_(o), budget_(budget), work_(work) {}

  void Run() {
    for (;;) {
      std::size_t slot = 0;
      int k = 0;
      {
        std::lock_guard lock(mutex_);
        if (!Next(slot, k)) return;
      }
      work_.Candidate();
      Dice dice(StageSeed(slots_[slot].seed, k));
      CandidateEnd end;
      std::optional<Made> made = OneStage(o_, slots_[slot].mechanics, dice, end, work_);
      std::lock_guard lock(mutex_);
      Finish(slot, k, end, std::move(made));
    }
  }

 private:
  bool Next(std::size_t& slot, int& k) {
    if (work_.Stopped()) return false;
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
      if (slots_[i].Open(budget_) && (!best || slots_[i].issued < slots_[*best].issued)) best = i;
    }
    if (!best) return false;
    slot = *best;
    Slot& s = slots_[slot];
    k = s.issued++;
    s.highest.push_back(-1);
    return true;
  }

  void Finish(std::size_t slot, int k, const CandidateEnd& end, std::optional<Made> made) {
    Slot& s = slots_[slot];
    s.highest[static_cast<std::size_t>(k)] = std::max(end.highest, 0);
    s.overBudget += end.overBudget;
    ++s.finished;
    if (made) s.passed.emplace(k, std::move(*made));
    if (!s.told && s.Chosen()) {
      s.told = true;
      work_.StageMade(1);
    }
    // A par far beyond every climb of the stage's first candidates is out of reach: said soon, not
    // after the whole budget.
    const auto first = s.highest.begin(), last = first + std::min<std::ptrdiff_t>(t.giveUpTries, std::ssize(s.highest));
    if (last - first == t.giveUpTries && std::find(first, last, -1) == last &&
        (s.passed.empty() || s.passed.begin()->first >= t.giveUpTries) && *std::max_element(first, last) + t.reach < o_.minPar) {
      work_.GiveUp();
    }
  }

  std::vector<Slot>& slots_;
  const GenerateOptions& o_;
  int budget_;
  SetWork& work_;
  std::mutex mutex_;
};

// Runs the dealer on `threads` threads until every stage is settled or the work stops.
void MakeSlots(std::vector<Slot>& slots, const GenerateOptions& o, int budget, SetWork& work, int threads) {
  Dealer dealer(slots, o, budget, work);
  std::vector<std::jthread> helpers;
  for (int i = 1; i < threads; ++i) helpers.emplace_back([&dealer] { dealer.Run(); });
  dealer.Run();
}

// A name short enough for the stage list: the stage's mechanics, or its walls' look when it has none.
// The keys and the wall points are for the preview to tell. The name is written into the stage file
// in the player's language (nameWord), Japanese when none; its words are marked for the translator.
std::string NameOf(const Made& made, const std::function<std::string(const char*)>& nameWord) {
  const auto word = [&nameWord](const char* japanese) { return nameWord ? nameWord(japanese) : std::string(japanese); };
  std::string look;
  const Board& b = made.draft.board;
  int edges = 0;
  WallGroupMean(b, &edges);
  if (edges == 0) look = word(SUISPO_TR_NOOP("StageName", "広い氷"));
  else if (WallSymmetry(b) >= 0.99) look = word(SUISPO_TR_NOOP("StageName", "鏡の壁"));
  else if (WallSymmetry(b) >= kSymmetricLook) look = word(SUISPO_TR_NOOP("StageName", "揃った壁"));
  else look = word(SUISPO_TR_NOOP("StageName", "曲がる壁"));
  static const char* kWords[] = {SUISPO_TR_NOOP("StageName", "穴"), SUISPO_TR_NOOP("StageName", "矢印"),
                                 SUISPO_TR_NOOP("StageName", "ワープ"), SUISPO_TR_NOOP("StageName", "市松の辺")};
  std::string pieces;
  for (int i = 0; i < 4; ++i) {
    if (made.mechanics >> i & 1) pieces += (pieces.empty() ? "" : word(SUISPO_TR_NOOP("StageName", "・"))) + word(kWords[i]);
  }
  return pieces.empty() ? look : pieces;
}

}  // namespace

std::uint32_t StageSeed(std::uint32_t setSeed, int index) {
  // SplitMix64 of the pair: nearby seeds and indexes give unrelated streams.
  std::uint64_t z = (std::uint64_t{setSeed} << 32 | static_cast<std::uint32_t>(index)) + 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return static_cast<std::uint32_t>(z ^ (z >> 31));
}

GenerateReport GenerateStages(const GenerateOptions& o, const GenerateHooks& hooks) {
  CheckOptions(o);
  GenerateReport report;
  const int threads = hooks.threads > 0 ? hooks.threads : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  const int budget = t.candidatesPerStage * ((o.gateScope & kDemandingPreset) != 0 ? t.demandingCandidateFactor : 1);
  std::vector<Slot> slots;
  for (int i = 0; i < o.count; ++i) {
    slots.push_back({StageSeed(o.seed, i), o.mechanicSets[static_cast<std::size_t>(i) % o.mechanicSets.size()]});
  }
  SetWork work(hooks, o.count);
  // Rounds until no stage repeats one before it: a repeat is taken from the stage's next candidate,
  // so the set does not depend on which thread finished first. "The same stage" as the generator means
  // it (core/rules/same_stage.h, 3); a demanding set also refuses a corner loop too many and clears alike.
  SetIdeas ideas(static_cast<std::size_t>(o.count), (o.gateScope & kDemandingPreset) != 0);
  for (bool again = true; again && !work.Stopped();) {
    MakeSlots(slots, o, budget, work, threads);
    again = false;
    ideas.Restart();
    for (Slot& slot : slots) {
      const Made* chosen = slot.Chosen();
      if (!chosen || ideas.Take(chosen->draft)) continue;
      slot.repeats.insert(*slot.ChosenNumber());
      slot.told = false;
      work.StageMade(-1);
      again = true;
    }
  }
  std::vector<Made> made;
  for (const Slot& slot : slots) {
    report.tried += slot.finished;
    report.accepted += static_cast<int>(slot.passed.size());
    for (int par : slot.highest) report.highestPar = std::max(report.highestPar, par);
    report.overBudget += slot.overBudget;
    if (const Made* chosen = slot.Chosen()) made.push_back(*chosen);
  }
  report.gaveUp = work.GaveUp();
  if (work.Cancelled()) {
    report.cancelled = true;
    return report;
  }
  std::stable_sort(made.begin(), made.end(), [](const Made& a, const Made& b) { return a.par < b.par; });
  // Numbered, so that two stages of the same make still read apart in the list.
  for (std::size_t i = 0; i < made.size(); ++i) {
    const std::string name = o.namePrefix + std::to_string(i + 1) + " " + NameOf(made[i], hooks.nameWord);
    report.lines.push_back(made[i].draft.Line(ShiftJisText(name)));
  }
  return report;
}

}  // namespace suispo
