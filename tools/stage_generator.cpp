// The generator: a random draft, mutations kept while the par does not fall, then every piece that does
// not lengthen the par taken away, the wall points cut to those needed, and the stage check passed.
#include "tools/stage_generator.h"

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <stdexcept>

#include "core/shift_jis_text.h"
#include "core/solver.h"
#include "tools/stage_check.h"

namespace suispo::tool {

namespace {

// A search that needs more is not a stage a person would enjoy, and would slow the generator.
constexpr std::size_t kDraftStateLimit = 200'000;
constexpr int kClimbSteps = 600;
// After this many tries without a stage, a --min-par more than kReach above the highest par any
// climb reached is given up on.
constexpr int kGiveUpTries = 20;
constexpr int kReach = 15;
constexpr int kMaxWallPoints = 4;

// A stage being made: cells by CellIndex, the solid or marked inner edges, the start and the wall points.
struct Draft {
  std::array<int, kCellCount> cells{};
  std::array<int, kCellCount> east{};
  std::array<int, kCellCount> south{};
  int start = 0;
  int mp = 0;

  StageLine Line(const std::string& name = "") const {
    StageLine line;
    for (int y = 0; y < kBoardSize; ++y) {
      for (int x = 0; x < kBoardSize; ++x) line += CellIndex(x, y) == start ? 'C' : CodeOfCellKind(cells[CellIndex(x, y)]);
    }
    for (int y = 0; y < kBoardSize; ++y) {
      for (int x = 0; x < kBoardSize; ++x) line += CodeOfWalls(east[CellIndex(x, y)], south[CellIndex(x, y)]);
    }
    return line + static_cast<char>('0' + mp / 10) + static_cast<char>('0' + mp % 10) + "0" + name;
  }
};

// mt19937 is the same everywhere; the distributions of <random> are not, so draws are made here.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::mt19937 engine_;
};

int Count(const Draft& d, int kind) { return static_cast<int>(std::count(d.cells.begin(), d.cells.end(), kind)); }

// A free cell: floor and not the start.
int FreeCell(const Draft& d, Dice& dice) {
  for (;;) {
    const int i = dice.Below(kCellCount);
    if (d.cells[static_cast<std::size_t>(i)] == kFloor && i != d.start) return i;
  }
}

// An inner edge as (cell, south?); the border holds none.
int& RandomEdge(Draft& d, Dice& dice) {
  for (;;) {
    const int x = dice.Below(kBoardSize), y = dice.Below(kBoardSize);
    const bool south = dice.Chance(50);
    if (south && y < kBoardSize - 1) return d.south[static_cast<std::size_t>(CellIndex(x, y))];
    if (!south && x < kBoardSize - 1) return d.east[static_cast<std::size_t>(CellIndex(x, y))];
  }
}

int UnusedPadColour(const Draft& d, Dice& dice) {
  const int colour = kWarpRed + dice.Below(4);
  return Count(d, colour) == 0 ? colour : -1;
}

Draft RandomDraft(Dice& dice) {
  Draft d;
  d.start = dice.Below(kCellCount);
  d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = kDoor;
  for (int n = 1 + dice.Below(3); n > 0; --n) d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = kKey;
  for (int n = dice.Below(3); n > 0; --n) d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = kHole;
  for (int n = dice.Below(4); n > 0; --n) d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = kArrowNorth + dice.Below(4);
  if (dice.Chance(40)) {
    const int colour = kWarpRed + dice.Below(4);
    d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = colour;
    d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = colour;
  }
  for (int n = 4 + dice.Below(8); n > 0; --n) RandomEdge(d, dice) = dice.Chance(90) ? kSolidWall : kMarkedEdge;
  d.mp = dice.Below(3);
  return d;
}

// One small change that keeps a start, one door, a key and pads in pairs.
Draft Mutate(const Draft& from, Dice& dice) {
  Draft d = from;
  switch (dice.Below(7)) {
    case 0: {  // move a piece
      const int i = dice.Below(kCellCount);
      const int kind = d.cells[static_cast<std::size_t>(i)];
      if (kind == kFloor) break;
      d.cells[static_cast<std::size_t>(i)] = kFloor;
      d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = kind;
      break;
    }
    case 1: d.start = FreeCell(d, dice); break;
    case 2:
    case 3: {
      int& edge = RandomEdge(d, dice);
      edge = edge != kNoWall ? kNoWall : dice.Chance(90) ? kSolidWall : kMarkedEdge;
      break;
    }
    case 4: {  // add or take away a hole, an arrow or a key
      const int i = dice.Below(kCellCount);
      const int kind = d.cells[static_cast<std::size_t>(i)];
      if (kind == kKey && Count(d, kKey) > 1) d.cells[static_cast<std::size_t>(i)] = kFloor;
      else if (kind == kHole || (kind >= kArrowNorth && kind <= kArrowWest)) d.cells[static_cast<std::size_t>(i)] = kFloor;
      else if (kind == kFloor && i != d.start) {
        const int pick = dice.Below(3);
        d.cells[static_cast<std::size_t>(i)] = pick == 0 ? kHole : pick == 1 ? kKey : kArrowNorth + dice.Below(4);
      }
      break;
    }
    case 5: {  // a pair of pads comes or goes
      const int colour = UnusedPadColour(d, dice);
      if (colour >= 0) {
        d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = colour;
        d.cells[static_cast<std::size_t>(FreeCell(d, dice))] = colour;
      } else {
        for (int& kind : d.cells) {
          if (kind >= kWarpRed && Count(from, kind) == 2 && dice.Chance(50)) kind = kFloor;
        }
        for (int colour2 = kWarpRed; colour2 <= kWarpOrange; ++colour2) {
          if (Count(d, colour2) == 1) std::replace(d.cells.begin(), d.cells.end(), colour2, static_cast<int>(kFloor));
        }
      }
      break;
    }
    default: d.mp = std::clamp(d.mp + (dice.Chance(50) ? 1 : -1), 0, kMaxWallPoints);
  }
  return d;
}

// The par of a draft, or -1 when the solver does not clear it within the draft limit.
int Par(const Draft& d) {
  PlayState start;
  rules::StartStage(d.Line(), start);
  const SolveResult r = Solve(start, {.stateLimit = kDraftStateLimit});
  return r.outcome == SolveOutcome::kSolved ? static_cast<int>(r.ops.size()) : -1;
}

// Takes away each piece and wall whose loss keeps the par as it is: what is left serves the puzzle.
void Prune(Draft& d, int par) {
  auto tryWithout = [&](auto change) {
    Draft without = d;
    change(without);
    if (Par(without) == par) d = without;
  };
  for (int i = 0; i < kCellCount; ++i) {
    const int kind = d.cells[static_cast<std::size_t>(i)];
    if (kind == kHole || (kind >= kArrowNorth && kind <= kArrowWest)) {
      tryWithout([&](Draft& w) { w.cells[static_cast<std::size_t>(i)] = kFloor; });
    } else if (kind >= kWarpRed) {
      tryWithout([&](Draft& w) { std::replace(w.cells.begin(), w.cells.end(), kind, static_cast<int>(kFloor)); });
    }
    if (d.east[static_cast<std::size_t>(i)] != kNoWall) tryWithout([&](Draft& w) { w.east[static_cast<std::size_t>(i)] = kNoWall; });
    if (d.south[static_cast<std::size_t>(i)] != kNoWall) tryWithout([&](Draft& w) { w.south[static_cast<std::size_t>(i)] = kNoWall; });
  }
  while (d.mp > 0) {  // every wall point left is needed: with one fewer the par grows or no clear is left
    Draft fewer = d;
    --fewer.mp;
    if (Par(fewer) != par) break;
    d = fewer;
  }
}

// One stage with a par in range, or nothing after this try; highest keeps the highest par a climb reached.
std::optional<std::pair<int, Draft>> OneStage(const GenerateOptions& o, Dice& dice, int& highest) {
  Draft d = RandomDraft(dice);
  int par = Par(d);
  if (par < 0) return std::nullopt;
  const int target = o.minPar + dice.Below(o.maxPar - o.minPar + 1);
  for (int step = 0; step < kClimbSteps && par < target; ++step) {
    const Draft next = Mutate(d, dice);
    const int nextPar = Par(next);
    if (nextPar >= par && nextPar <= o.maxPar) {
      d = next;
      par = nextPar;
    }
  }
  highest = std::max(highest, par);
  if (par < o.minPar || par > o.maxPar) return std::nullopt;
  Prune(d, par);
  const StageCheck check = CheckStage(d.Line("check"), kDraftStateLimit);
  if (!check.errors.empty() || !check.warnings.empty() || !check.best) return std::nullopt;
  if (static_cast<int>(check.best->ops.size()) != par || Count(d, kKey) == 0) return std::nullopt;
  return std::make_pair(par, d);
}

}  // namespace

std::vector<StageLine> GenerateStages(const GenerateOptions& o) {
  if (o.count < 0 || o.minPar < 1 || o.maxPar < o.minPar) throw std::invalid_argument("no stage can meet those limits");
  Dice dice(o.seed);
  std::vector<std::pair<int, Draft>> made;
  std::set<StageLine> seen;
  const int tries = 200 + 100 * o.count;
  int highest = 0;
  for (int attempt = 0; attempt < tries && static_cast<int>(made.size()) < o.count; ++attempt) {
    auto stage = OneStage(o, dice, highest);
    if (stage && seen.insert(stage->second.Line()).second) made.push_back(*stage);
    // A par far beyond every climb so far is out of reach: said soon, not after every try.
    if (made.empty() && attempt + 1 == kGiveUpTries && highest + kReach < o.minPar) {
      throw std::runtime_error("no stage came near a par of " + std::to_string(o.minPar) + " (the highest in " +
                               std::to_string(kGiveUpTries) + " tries was " + std::to_string(highest) +
                               "); try a lower --min-par");
    }
  }
  if (static_cast<int>(made.size()) < o.count) {
    throw std::runtime_error("only " + std::to_string(made.size()) + " stages with a par from " +
                             std::to_string(o.minPar) + " to " + std::to_string(o.maxPar) + " turned up");
  }
  std::stable_sort(made.begin(), made.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<StageLine> lines;
  for (std::size_t i = 0; i < made.size(); ++i) {
    const std::string name = "自動 " + std::to_string(i + 1) + "（" + std::to_string(made[i].first) + "手）";
    lines.push_back(made[i].second.Line(ShiftJisText(name)));
  }
  return lines;
}

}  // namespace suispo::tool
