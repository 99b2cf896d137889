// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The checks of one stage line, from its characters to what the solver finds in play.
#include "tools/stage_check.h"

#include <algorithm>
#include <cstdio>

#include "core/text/display_text.h"
#include "core/text/game_error.h"
#include "core/rules/cell_kinds.h"
#include "core/rules/play_state.h"

namespace suispo::tool {

namespace {

constexpr std::string_view kWallCodes = "012345678";

std::string Quoted(char c) {
  if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f) return std::string("'") + c + "'";
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02x", static_cast<unsigned char>(c));
  return hex;
}

void CheckCharacters(const StageLine& line, StageCheck& check) {
  if (line.size() <= kClearedFlagPosition) {
    check.warnings.push_back("the line ends after " + std::to_string(line.size()) +
                             " characters, too short to hold the cleared flag and the name");
  }
  if (line.size() >= kClearedFlagPosition) {
    const char flag = line[kClearedFlagPosition - 1];
    if (flag != '0' && flag != '1') check.warnings.push_back("the cleared flag " + Quoted(flag) + " is neither 0 nor 1");
  }
  std::vector<std::string> starts;
  for (std::size_t k = 0; k < kBoardTextLength && k < line.size(); ++k) {
    const int cell = static_cast<int>(k % kCellCount);
    const std::string place = Place(cell % kBoardSize, cell / kBoardSize);
    const char code = line[k];
    if (k < kCellCount) {
      if (code == 'C') starts.push_back(place);
      if (!IsCellCode(code)) {
        check.warnings.push_back("the cell code " + Quoted(code) + " at " + place + " is no cell code: read as floor");
      }
    } else if (kWallCodes.find(code) == std::string_view::npos) {
      check.warnings.push_back("the wall code " + Quoted(code) + " at " + place + " is no wall code: read as no wall");
    }
  }
  if (starts.empty()) {
    check.warnings.push_back("no start \"C\": the character starts where the stage before left it");
  } else if (starts.size() > 1) {
    check.warnings.push_back(std::to_string(starts.size()) + " starts \"C\": the character starts on the last, " +
                             starts.back());
  }
}

void CheckPads(const Board& board, StageCheck& check) {
  for (int colour = 0; colour < 4; ++colour) {
    std::vector<std::string> pads;
    for (int y = 0; y < kBoardSize; ++y) {
      for (int x = 0; x < kBoardSize; ++x) {
        if (board.cells[CellIndex(x, y)] == kWarpRed + colour) pads.push_back(Place(x, y));
      }
    }
    const std::string name = kCellKinds[static_cast<std::size_t>(kWarpRed + colour)].name;  // "red warp pad"
    if (pads.size() == 1) check.warnings.push_back("the " + name + " at " + pads[0] + " has no partner");
    if (pads.size() > 2) {
      check.warnings.push_back(std::to_string(pads.size()) + " " + name +
                               "s: a pad warps to the last other one, never back to the first");
    }
  }
}

}  // namespace

std::string Place(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

int WallPointsNeeded(const PlayState& start, std::size_t par, std::size_t stateLimit) {
  PlayState fewer = start;
  for (int mp = start.mp - 1; mp >= 0; --mp) {
    fewer.mp = mp;
    const SolveResult r = Solve(fewer, {.stateLimit = stateLimit});
    if (r.outcome != SolveOutcome::kSolved || r.ops.size() != par) return mp + 1;
  }
  return 0;
}

StageCheck CheckStage(const StageLine& line, std::size_t stateLimit) {
  StageCheck check;
  CheckCharacters(line, check);
  PlayState start;
  try {
    rules::StartStage(line, start);
  } catch (const GameError&) {
    // The one thing that stops a stage from starting; said in the tool's own language.
    const std::string field = line.size() > kBoardTextLength ? line.substr(kBoardTextLength, 2) : "";
    check.errors.push_back("the stage cannot start: its wall points '" + DisplayText(field) + "' are not a number");
    return check;
  }
  // The game plays them as none left; a stage written so is a slip of its author.
  if (start.mp < 0) check.errors.push_back("its wall points " + std::to_string(start.mp) + " are below 0");
  CheckPads(start.board, check);

  const bool loops = HasArrowLoop(start.board);
  const SolveResult r = Solve(start, {.stateLimit = stateLimit, .exploreAll = loops});
  if (r.loopStopReached) {
    check.warnings.push_back("a slide round a closed loop of arrows can be played; the endless-loop bound stops it");
  }
  if (r.outcome == SolveOutcome::kNoSolution) {
    check.errors.push_back(r.reason == "no door" ? r.reason : "it cannot be cleared: " + r.reason);
    return check;
  }
  if (r.ops.empty()) {  // stopped before a clear was found
    check.errors.push_back("not decided: " + r.reason);
    return check;
  }
  check.best = r;
  if (start.mp > 0) {
    // The solution found needs r.walls points, so no more are ever needed; fewer may do as well.
    PlayState enough = start;
    enough.mp = std::min(start.mp, r.walls);
    const int needed = WallPointsNeeded(enough, r.ops.size(), stateLimit);
    if (needed < start.mp) {
      check.warnings.push_back("only " + std::to_string(needed) + " of the " + std::to_string(start.mp) +
                               " wall points are needed");
    }
  }
  return check;
}

}  // namespace suispo::tool
