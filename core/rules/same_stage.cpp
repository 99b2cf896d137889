// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The record key of a puzzle and the line match of a stage file.
#include "core/rules/same_stage.h"

#include "core/rules/play_state.h"
#include "core/text/game_error.h"

namespace suispo {

std::optional<std::string> PuzzleKey(std::string_view line, Cell start) {
  if (!OnBoard(start.x, start.y)) return std::nullopt;
  PlayState state;
  rules::LoadBoard(line, state);
  int mp = 0;
  try {
    mp = WallPoints(line);
  } catch (const GameError&) {
    return std::nullopt;
  }
  return WriteBoardText(state.board) + '@' + std::to_string(start.x) + std::to_string(start.y) + '/' +
         std::to_string(mp);
}

std::optional<std::string> PuzzleKey(std::string_view line) {
  const std::optional<Cell> start = StartOfLine(line);
  if (!start) return std::nullopt;
  return PuzzleKey(line, *start);
}

std::optional<Cell> StartOfLine(std::string_view line) {
  PlayState state;
  state.playerX = -1;
  rules::LoadBoard(line, state);
  if (state.playerX < 0) return std::nullopt;
  return state.Position();
}

bool SameStageLine(const StageLine& a, const StageLine& b) { return MarkedCleared(a) == MarkedCleared(b); }

}  // namespace suispo
