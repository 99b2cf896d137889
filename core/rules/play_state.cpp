// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Start, slide, wall and undo snapshots as plain changes of a stage's state.
#include "core/rules/play_state.h"

namespace suispo::rules {

void LoadBoard(std::string_view text, PlayState& state) {
  auto codeAt = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  for (int k = 0; k < kCellCount; ++k) {
    const int x = k % kBoardSize;
    const int y = k / kBoardSize;
    const auto i = static_cast<std::size_t>(CellIndex(x, y));
    const char cellCode = codeAt(static_cast<std::size_t>(k));
    if (cellCode == 'C') {
      state.playerX = x;
      state.playerY = y;
    }
    state.board.cells[i] = CellKindOfCode(cellCode);
    WallsOfCode(codeAt(static_cast<std::size_t>(kCellCount + k)), state.board.eastWalls[i], state.board.southWalls[i]);
  }
  state.keysLeft = KeysOn(state.board);
}

void StartStage(const StageLine& line, PlayState& state) {
  LoadBoard(line, state);
  state.mp = WallPoints(line);
  state.facing = kNorth;
}

void CollectKey(PlayState& state) {
  state.board.cells[CellIndex(state.playerX, state.playerY)] = kFloor;
  --state.keysLeft;
}

MoveResult Slide(PlayState& state, int direction) {
  // Traced straight into the answer: a path is large, and the solver asks for slides all the time.
  MoveResult result;
  TraceSlide(state.board, state.Position(), direction, result.path);
  state.playerX = result.path.rest.x;
  state.playerY = result.path.rest.y;
  state.facing = result.path.facing;
  if (result.path.loopStopped) return result;
  result.landing = LandingAt(state.board, state.Position(), state.keysLeft);
  if (result.landing == Landing::kKey) {
    CollectKey(state);
  } else if (result.landing == Landing::kWarp) {
    result.warpedFrom = state.Position();
    const Cell partner = *WarpPartner(state.board, state.Position());
    state.playerX = partner.x;
    state.playerY = partner.y;
  }
  return result;
}

bool PlaceWall(PlayState& state, int direction) {
  state.facing = direction;
  if (state.mp <= 0 || !WallFits(state.board, state.Position(), direction)) return false;
  EdgeKind(state.board, *EdgeBeside(state.Position(), direction)) = kSolidWall;
  --state.mp;
  return true;
}

void PushUndo(UndoRing& r, const PlayState& state) {
  r.undoIndex = r.undoIndex + 1 > kUndoSlots - 1 ? 0 : r.undoIndex + 1;
  const auto s = static_cast<std::size_t>(r.undoIndex);
  r.undoCells[s] = state.board.cells;
  r.undoEastWalls[s] = state.board.eastWalls;
  r.undoSouthWalls[s] = state.board.southWalls;
  r.undoX[s] = state.playerX;
  r.undoY[s] = state.playerY;
  r.undoMp[s] = state.mp;
  r.undoCount = r.undoCount + 1 > kUndoSlots - 1 ? kUndoSlots : r.undoCount + 1;
}

bool Undo(UndoRing& r, PlayState& state) {
  if (r.undoCount < 1) return false;
  const auto s = static_cast<std::size_t>(r.undoIndex);
  state.board.cells = r.undoCells[s];
  state.board.eastWalls = r.undoEastWalls[s];
  state.board.southWalls = r.undoSouthWalls[s];
  state.playerX = r.undoX[s];
  state.playerY = r.undoY[s];
  state.mp = r.undoMp[s];
  state.keysLeft = KeysOn(state.board);
  r.undoIndex = r.undoIndex - 1 < 0 ? kUndoSlots - 1 : r.undoIndex - 1;
  --r.undoCount;
  return true;
}

}  // namespace suispo::rules
