// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The designing generator: skeleton, pieces, start, climb, prune, repair, gates.
#include "core/design/generator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <random>
#include <set>
#include <unordered_map>

#include "core/rules/play_state.h"
#include "core/text/shift_jis_text.h"
#include "core/design/measure.h"
#include "core/design/repair.h"

namespace suispo {

namespace {

// A search that needs more is not a stage a person would enjoy, and would slow the generator.
constexpr std::size_t kDraftStateLimit = 60'000;
// The climb asks for thousands of pars, most of drafts it will not keep: it leaves the boards that take
// more than half the draft limit, and saves most of its time that way.
constexpr std::size_t kClimbStateLimit = kDraftStateLimit / 2;
// The search for every start cell's par holds the states of all starts at once.
constexpr std::size_t kStartStateLimit = 4 * kDraftStateLimit;
constexpr int kClimbSteps = 160;
// Past this many operations a climb's search is not bounded by the score it has to beat.
constexpr int kLongestAsked = 200;

// mt19937 is the same everywhere; the distributions of <random> are not, so draws are made here.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::mt19937 engine_;
};

bool IsArrow(int kind) { return kind >= kArrowNorth && kind <= kArrowWest; }
bool IsWarp(int kind) { return kind >= kWarpRed && kind <= kWarpOrange; }

struct Plan {
  unsigned mechanics = 0;
  int target = 10;
  int symmetry = 0;  // of the skeleton; 0 for none
};

int CellAt(const StageDraft& d, int i) { return d.board.cells[static_cast<std::size_t>(i)]; }
int& CellAt(StageDraft& d, int i) { return d.board.cells[static_cast<std::size_t>(i)]; }

int FreeCell(const StageDraft& d, Dice& dice) {
  for (;;) {
    const int i = dice.Below(kCellCount);
    if (CellAt(d, i) == kFloor && i != d.start) return i;
  }
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

// A free cell where a slide can come to rest: the border or a wall on one of its sides.
int StopCell(const StageDraft& d, Dice& dice) {
  for (int tries = 0; tries < 100; ++tries) {
    const int i = FreeCell(d, dice);
    const Cell at{i / kBoardSize, i % kBoardSize};
    for (int direction = kNorth; direction <= kWest; ++direction) {
      const std::optional<Edge> edge = EdgeBeside(at, direction);
      if (!edge || EdgeKind(d.board, *edge) == kSolidWall) return i;
    }
  }
  return FreeCell(d, dice);
}

void AddPieces(StageDraft& d, const GenerateOptions& o, unsigned mechanics, Dice& dice) {
  CellAt(d, StopCell(d, dice)) = kDoor;
  for (int n = dice.Between(1, o.maxKeys); n > 0; --n) CellAt(d, StopCell(d, dice)) = kKey;
  const int most = o.freeKinds ? 3 : 2;
  if (mechanics & kHoles) {
    for (int n = dice.Between(1, most); n > 0; --n) CellAt(d, FreeCell(d, dice)) = kHole;
  }
  if (mechanics & kArrows) {
    for (int n = dice.Between(1, most + 1); n > 0; --n) CellAt(d, FreeCell(d, dice)) = kArrowNorth + dice.Below(4);
  }
  if (mechanics & kWarps) {
    const int pairs = o.freeKinds ? dice.Between(1, 3) : 1 + dice.Chance(25);
    for (int colour = kWarpRed; colour < kWarpRed + pairs; ++colour) {
      CellAt(d, FreeCell(d, dice)) = colour;
      CellAt(d, FreeCell(d, dice)) = colour;
    }
  }
  if (mechanics & kMarkedEdges) {
    for (int n = dice.Between(1, most + 1); n > 0; --n) {
      const int e = dice.Below(kInnerEdgeCount);
      if (EdgeKind(d.board, InnerEdge(e)) == kNoWall) EdgeKind(d.board, InnerEdge(e)) = kMarkedEdge;
    }
  }
  d.mp = dice.Between(0, o.maxWallPoints);
}

// The pars of the drafts solved while one candidate is made: a climb often comes back to a draft (an
// edit that changes nothing, a wall put up and taken down), and scores ask the same drafts again.
class ParMemo {
 public:
  // What Of says when the par is more than the most asked for, or there is none.
  static constexpr int kBeyond = -2;

  explicit ParMemo(std::size_t stateLimit) : stateLimit_(stateLimit) {}

  // The par (-1 for none within the state limit); with `most` above 0, kBeyond instead of any par
  // above it, found without searching further.
  int Of(const StageDraft& d, int most = 0) {
    std::string key(3 * kCellCount + 2, '\0');
    for (int i = 0; i < kCellCount; ++i) {
      key[static_cast<std::size_t>(3 * i)] = static_cast<char>(d.board.cells[static_cast<std::size_t>(i)]);
      key[static_cast<std::size_t>(3 * i + 1)] = static_cast<char>(d.board.eastWalls[static_cast<std::size_t>(i)]);
      key[static_cast<std::size_t>(3 * i + 2)] = static_cast<char>(d.board.southWalls[static_cast<std::size_t>(i)]);
    }
    key[3 * kCellCount] = static_cast<char>(d.start);
    key[3 * kCellCount + 1] = static_cast<char>(d.mp);
    Known& known = pars_.try_emplace(std::move(key)).first->second;
    if (known.par != kBeyond || (most > 0 && most <= known.above)) return known.par;
    // The search is breadth first: a bound changes nothing about a clear found within it, nor about a
    // search that stops at its state limit on the way.
    const SolveResult r = SolveDraft(d, stateLimit_, most);
    if (r.outcome == SolveOutcome::kSolved) known.par = static_cast<int>(r.ops.size());
    else if (r.outcome == SolveOutcome::kNoSolution && !r.complete) known.above = most;
    else known.par = -1;
    return known.par;
  }

 private:
  struct Known {
    int par = kBeyond;
    int above = 0;  // while par is kBeyond: no clear takes this many operations or fewer
  };
  std::size_t stateLimit_;
  std::unordered_map<std::string, Known> pars_;
};

// Whether removing every piece of one kind changes the par.
bool KindNeeded(const StageDraft& d, unsigned kind, int par, ParMemo& pars) {
  StageDraft without = d;
  for (int& cell : without.board.cells) {
    if ((kind == kHoles && cell == kHole) || (kind == kArrows && IsArrow(cell)) || (kind == kWarps && IsWarp(cell))) {
      cell = kFloor;
    }
  }
  if (kind == kMarkedEdges) {
    for (int e = 0; e < kInnerEdgeCount; ++e) {
      if (EdgeKind(without.board, InnerEdge(e)) == kMarkedEdge) EdgeKind(without.board, InnerEdge(e)) = kNoWall;
    }
  }
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
  return {4.0 * std::min(WallGroupMean(d.board), 3.0) + 14.0 * WallSymmetry(d.board),
          20.0 * std::popcount(plan.mechanics & ~on) + 20.0 * std::popcount(on & ~plan.mechanics)};
}

// The score before the needed kinds are asked: the most a par can give a draft.
double Ceiling(const Looks& looks, const Plan& plan, int par) {
  return -6.0 * std::abs(par - plan.target) + looks.walls - looks.kinds;
}

// A score below `floor` is only said to be below it: the kinds left are not asked.
double Score(const StageDraft& d, const Looks& looks, const Plan& plan, const GenerateOptions& o, int par,
             ParMemo& pars, double floor = -1e300) {
  if (par < 0) return -1e9;
  double score = Ceiling(looks, plan, par);
  const unsigned on = MechanicsOn(d.board);
  if (par >= o.minPar && par <= o.maxPar) {
    for (unsigned kind = 1; kind <= kMarkedEdges && score >= floor; kind <<= 1) {
      if ((plan.mechanics & on & kind) && !KindNeeded(d, kind, par, pars)) score -= 15.0;
    }
  } else {
    // Outside the band every kind counts as not needed (and is not asked, saving the searches), so
    // that coming into the band never scores worse than staying just outside it.
    score -= 15.0 * std::popcount(plan.mechanics & on);
  }
  return score;
}

// Puts the start on the free cell whose par is nearest the target: every cell's par from one search
// back from the door; among cells as near, the first from a random place on. A board whose search
// stops at its limit is left: it is far from a stage a person would enjoy.
bool ChooseStart(StageDraft& d, const Plan& plan, Dice& dice) {
  const int offset = dice.Below(kCellCount);
  const std::optional<std::array<int, kCellCount>> pars = ParFromEachCell(d, kStartStateLimit);
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

StageDraft Mutate(const StageDraft& from, const Plan& plan, const GenerateOptions& o, Dice& dice) {
  StageDraft d = from;
  switch (dice.Below(6)) {
    case 0: {  // move a piece
      const int i = dice.Below(kCellCount);
      const int kind = CellAt(d, i);
      if (kind == kFloor) break;
      CellAt(d, i) = kFloor;
      CellAt(d, FreeCell(d, dice)) = kind;
      break;
    }
    case 1: d.start = FreeCell(d, dice); break;
    case 2: {  // a wall comes or goes, with its images
      const int e = dice.Below(kInnerEdgeCount);
      const int kind = EdgeKind(d.board, InnerEdge(e));
      if (kind == kMarkedEdge) break;
      // A new wall touches one already there more often than not, so groups grow.
      SetEdgeOrbit(d, plan.symmetry, e, kind == kSolidWall ? kNoWall : kSolidWall);
      break;
    }
    case 3: {  // turn an arrow, or move a marked edge
      const int i = dice.Below(kCellCount);
      if (IsArrow(CellAt(d, i))) CellAt(d, i) = kArrowNorth + dice.Below(4);
      const int e = dice.Below(kInnerEdgeCount), f = dice.Below(kInnerEdgeCount);
      if (EdgeKind(d.board, InnerEdge(e)) == kMarkedEdge && EdgeKind(d.board, InnerEdge(f)) == kNoWall) {
        EdgeKind(d.board, InnerEdge(e)) = kNoWall;
        EdgeKind(d.board, InnerEdge(f)) = kMarkedEdge;
      }
      break;
    }
    case 4: d.mp = std::clamp(d.mp + (dice.Chance(50) ? 1 : -1), 0, o.maxWallPoints); break;
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
void Prune(StageDraft& d, int par, ParMemo& pars) {
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
  const SolveResult r = SolveDraft(d, kDraftStateLimit);
  if (r.outcome == SolveOutcome::kSolved) d.mp = std::min(d.mp, r.walls);
  while (d.mp > 0) {
    StageDraft fewer = d;
    --fewer.mp;
    if (pars.Of(fewer, par) != par) break;
    d = fewer;
  }
}

bool HasArrowLoop(const Board& board) {
  for (int i = 0; i < kCellCount; ++i) {
    for (int direction = kNorth; direction <= kWest; ++direction) {
      if (TraceSlide(board, {i / kBoardSize, i % kBoardSize}, direction).loopStopped) return true;
    }
  }
  return false;
}

bool Cancelled(const GenerateOptions& o) { return o.cancel && o.cancel->load(std::memory_order_relaxed); }

struct Made {
  int par;
  StageDraft draft;
  unsigned mechanics;
};

// One stage for the plan, or nothing after this candidate.
std::optional<Made> OneStage(const GenerateOptions& o, unsigned mechanics, Dice& dice, int& highest) {
  Plan plan{mechanics, dice.Between(o.minPar, o.maxPar), 0};
  constexpr int kSymmetries[] = {2, 4, 5, 6, 1, 2, 4};
  if (dice.Chance(90)) plan.symmetry = kSymmetries[dice.Below(7)];
  StageDraft skeleton;
  skeleton.start = -1;
  for (int groups = dice.Between(2, 3); groups > 0; --groups) AddWallGroup(skeleton, plan.symmetry, dice.Between(2, 3), dice);
  // Pieces on the skeleton until some start clears the stage.
  StageDraft d = skeleton;
  for (int attempt = 0;; ++attempt) {
    if (attempt == 4) return std::nullopt;
    d = skeleton;
    AddPieces(d, o, mechanics, dice);
    if (ChooseStart(d, plan, dice)) break;
  }
  ParMemo pars(kClimbStateLimit);
  int par = pars.Of(d);
  Looks looks = LooksOf(d, plan);
  double score = Score(d, looks, plan, o, par, pars);
  const int steps = kClimbSteps + 6 * std::clamp(o.maxPar - 16, 0, 40);
  for (int step = 0; step < steps && !Cancelled(o); ++step) {
    // In the band at or past the target, with every kind of the plan needed (the score is all its
    // ceiling), is enough; a climb that is nowhere near it by half way is dropped.
    if (par >= plan.target && par <= o.maxPar && step >= steps / 4 && score >= Ceiling(looks, plan, par)) break;
    if (step == steps / 2 && par < o.minPar - 6) break;
    const StageDraft next = Mutate(d, plan, o, dice);
    // No par beyond `most` could score as well as the draft in hand: the search stops there.
    const Looks nextLooks = LooksOf(next, plan);
    int most = plan.target;
    if (Ceiling(nextLooks, plan, most) < score) continue;
    while (most < kLongestAsked && Ceiling(nextLooks, plan, most + 1) >= score) ++most;
    const int nextPar = pars.Of(next, most < kLongestAsked ? most : 0);
    if (nextPar == ParMemo::kBeyond) continue;
    const double nextScore = Score(next, nextLooks, plan, o, nextPar, pars, score);
    if (nextScore >= score) {
      d = next;
      looks = nextLooks;
      par = nextPar;
      score = nextScore;
    }
  }
  highest = std::max(highest, par);
  if (par < o.minPar || par > o.maxPar) return std::nullopt;
  // From here on the searches have the draft limit again.
  ParMemo checked(kDraftStateLimit);
  Prune(d, par, checked);
  if ((MechanicsOn(d.board) & mechanics) != mechanics || KeysOn(d.board) == 0 || HasArrowLoop(d.board)) return std::nullopt;
  for (int round = 0; round < 3; ++round) {
    const Ideas ideas = CountIdeas(d, par, kIdeaCap, kDraftStateLimit);
    if (ideas.count == 1) break;
    if (ideas.count < 1 || !RepairIdeas(d, par, ideas, plan.mechanics, plan.symmetry, kDraftStateLimit)) {
      return std::nullopt;
    }
  }
  // Its mechanics are on the board (above), and every gate asks each mechanic on it to be needed.
  if (!PassesGates(d, par, o.freeKinds, kMeasureStateLimit)) return std::nullopt;
  return Made{par, d, mechanics};
}

// A name short enough for the stage list: the stage's mechanics, or its walls' look when it has none.
// The keys and the wall points are for the preview to tell.
std::string NameOf(const Made& made) {
  std::string look;
  const Board& b = made.draft.board;
  int edges = 0;
  WallGroupMean(b, &edges);
  if (edges == 0) look = "広い氷";
  else if (WallSymmetry(b) >= 0.99) look = "鏡の壁";
  else if (WallSymmetry(b) >= kSymmetricLook) look = "揃った壁";
  else look = "曲がる壁";
  static const char* kWords[] = {"穴", "矢印", "ワープ", "市松の辺"};
  std::string pieces;
  for (int i = 0; i < 4; ++i) {
    if (made.mechanics >> i & 1) pieces += (pieces.empty() ? "" : "・") + std::string(kWords[i]);
  }
  return pieces.empty() ? look : pieces;
}

}  // namespace

GenerateOptions PresetOptions(StagePreset preset, int count, std::uint32_t seed) {
  GenerateOptions o;
  o.count = count;
  o.seed = seed;
  switch (preset) {
    case StagePreset::kBeginner:
      o.minPar = 5, o.maxPar = 10, o.maxKeys = 2, o.maxWallPoints = 1;
      o.mechanicSets = {0, kHoles, 0, kArrows};
      o.namePrefix = "入門 ";
      break;
    case StagePreset::kNormal:
      o.minPar = 10, o.maxPar = 16, o.maxKeys = 2, o.maxWallPoints = 2;
      o.mechanicSets = {0, kHoles, kArrows, kWarps, kMarkedEdges};
      o.namePrefix = "ふつう ";
      break;
    case StagePreset::kHard:
      o.minPar = 15, o.maxPar = 22, o.maxKeys = 3, o.maxWallPoints = 3;
      o.mechanicSets = {kHoles | kArrows, kWarps | kMarkedEdges, kArrows | kWarps, kHoles | kMarkedEdges, kArrows, kWarps};
      o.namePrefix = "むずかしい ";
      break;
    case StagePreset::kExpert:
      o.minPar = 20, o.maxPar = 30, o.maxKeys = 3, o.maxWallPoints = 3;
      o.mechanicSets = {kHoles | kArrows, kArrows | kWarps, kWarps | kMarkedEdges, kHoles | kMarkedEdges,
                        kArrows | kMarkedEdges, kHoles | kWarps};
      o.namePrefix = "達人 ";
      break;
  }
  return o;
}

bool PresetByName(const std::string& name, StagePreset& preset) {
  const std::pair<const char*, StagePreset> names[] = {{"beginner", StagePreset::kBeginner},
                                                      {"normal", StagePreset::kNormal},
                                                      {"hard", StagePreset::kHard},
                                                      {"expert", StagePreset::kExpert}};
  for (const auto& [text, value] : names) {
    if (name == text) {
      preset = value;
      return true;
    }
  }
  return false;
}

GenerateReport GenerateStages(const GenerateOptions& o) {
  GenerateReport report;
  if (o.count < 0 || o.minPar < 1 || o.maxPar < o.minPar || o.mechanicSets.empty()) return report;
  Dice dice(o.seed);
  std::vector<Made> made;
  std::set<std::string> seen;
  const int budget = o.budget > 0 ? o.budget : 200 + 80 * o.count;
  while (static_cast<int>(made.size()) < o.count && report.tried < budget) {
    if (Cancelled(o)) {
      report.cancelled = true;
      return report;
    }
    const unsigned mechanics = o.mechanicSets[made.size() % o.mechanicSets.size()];
    ++report.tried;
    std::optional<Made> stage = OneStage(o, mechanics, dice, report.highestPar);
    // A par far beyond every climb so far is out of reach: said soon, not after the whole budget.
    if (made.empty() && !stage && report.tried == kGiveUpTries && report.highestPar + kReach < o.minPar) {
      report.gaveUp = true;
      return report;
    }
    if (!stage) continue;
    ++report.accepted;
    // "The same stage" as the generator means it (core/rules/same_stage.h, meaning 3).
    if (!seen.insert(CanonicalText(stage->draft)).second) continue;
    made.push_back(*stage);
    if (o.progress) o.progress(static_cast<int>(made.size()), o.count);
  }
  if (Cancelled(o)) {
    report.cancelled = true;
    return report;
  }
  std::stable_sort(made.begin(), made.end(), [](const Made& a, const Made& b) { return a.par < b.par; });
  // Numbered, so that two stages of the same make still read apart in the list.
  for (std::size_t i = 0; i < made.size(); ++i) {
    const std::string name = o.namePrefix + std::to_string(i + 1) + " " + NameOf(made[i]);
    report.lines.push_back(made[i].draft.Line(ShiftJisText(name)));
  }
  return report;
}

}  // namespace suispo
