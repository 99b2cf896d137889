// The rules of play: building a stage from its line, sliding, landing, walls and undo.
#include "core/game.h"

#include <array>
#include <exception>

#include "core/board_geometry.h"

namespace suispo {

namespace {

// The direction of a unit step.
int DirectionOf(int dx, int dy) {
  if (dy < 0) return kNorth;
  if (dx > 0) return kEast;
  if (dy > 0) return kSouth;
  return kWest;
}

bool IsArrow(int kind) { return kind >= kArrowNorth && kind <= kArrowWest; }
bool IsWarpPad(int kind) { return kind >= kWarpRed && kind <= kWarpOrange; }

// Whatever happens inside a move, the game buttons work again afterwards.
class InputReadyAgain {
 public:
  explicit InputReadyAgain(int& inputReady) : inputReady_(inputReady) { inputReady_ = 0; }
  ~InputReadyAgain() { inputReady_ = 1; }
  InputReadyAgain(const InputReadyAgain&) = delete;
  InputReadyAgain& operator=(const InputReadyAgain&) = delete;

 private:
  int& inputReady_;
};

}  // namespace

Game::Game(const std::vector<StageLine>& dataList, BoardPainter& painter, GameWindow& window)
    : dataList_(dataList), painter_(painter), window_(window) {}

void Game::LoadBoard(std::string_view text) {
  // Positions past the end of a short line hold no code: floor, no walls.
  auto codeAt = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  keysLeft = 0;
  for (int k = 0; k < kCellCount; ++k) {
    const int x = k % kBoardSize;
    const int y = k / kBoardSize;
    const int i = CellIndex(x, y);
    painter_.DrawFloor(x, y);
    board.cells[i] = kFloor;
    const char code = codeAt(static_cast<std::size_t>(k));
    if (code == 'C') {
      playerX = x;
      playerY = y;
      continue;
    }
    const int kind = CellKindOfCode(code);
    if (kind == kFloor) continue;
    painter_.DrawTile(CellOrigin(x), CellOrigin(y), kind);
    board.cells[i] = kind;
    if (kind == kKey) ++keysLeft;
  }
  for (int k = 0; k < kCellCount; ++k) {
    const int x = k % kBoardSize;
    const int y = k / kBoardSize;
    const int i = CellIndex(x, y);
    int east = 0;
    int south = 0;
    WallsOfCode(codeAt(static_cast<std::size_t>(kCellCount + k)), east, south);
    board.eastWalls[i] = east;
    board.southWalls[i] = south;
    const int left = x * kCellPitch;
    const int top = y * kCellPitch;
    // Solid strips first, then marked ones, so the corners overlap the same way on every board.
    if (east == kSolidWall) painter_.DrawWall(left, top, false, false);
    if (south == kSolidWall) painter_.DrawWall(left, top, true, false);
    if (east == kMarkedEdge) painter_.DrawWall(left, top, false, true);
    if (south == kMarkedEdge) painter_.DrawWall(left, top, true, true);
  }
  painter_.DrawBorder();
  painter_.SaveBackground();
}

void Game::StartStage() {
  undo.undoCount = 0;
  undo.undoIndex = 0;
  window_.SetUndoEnabled(false);
  const StageLine line = dataList_.at(static_cast<std::size_t>(stageIndex));
  LoadBoard(line);
  mp = WallPoints(line);
  window_.ShowMp(mp);
  facing = kNorth;
  painter_.DrawCharacter(CellOrigin(playerX), CellOrigin(playerY), facing);
  painter_.PresentBoard();
  painter_.DrawStageName(StageName(line));
}

void Game::TurnTo(int direction) {
  facing = direction;
  const int left = CellOrigin(playerX);
  const int top = CellOrigin(playerY);
  painter_.RestoreCell(left, top);
  painter_.DrawCharacter(left, top, facing);
  painter_.PresentBoard();
}

bool Game::StepBlocked(int dx, int dy) const {
  const int x = playerX;
  const int y = playerY;
  // Only a solid wall stops a slide; a marked edge lets it pass.
  if (dx < 0 && x > 0 && board.eastWalls[CellIndex(x - 1, y)] == kSolidWall) return true;
  if (dx > 0 && board.eastWalls[CellIndex(x, y)] == kSolidWall) return true;
  if (dy < 0 && y > 0 && board.southWalls[CellIndex(x, y - 1)] == kSolidWall) return true;
  if (dy > 0 && board.southWalls[CellIndex(x, y)] == kSolidWall) return true;
  return board.cells[CellIndex(x, y)] == kHole;
}

Landing Game::Slide(int dx, int dy, int direction) {
  if (inputReady != 1) return Landing::kNone;
  InputReadyAgain ready(inputReady);
  PushUndo();
  TurnTo(direction);

  // A closed loop of arrows would never end: a slide that reaches the same cell going the same way
  // a second time stops there, without a landing effect.
  std::array<std::array<bool, 4>, kCellCount> reached{};
  while (!StepBlocked(dx, dy) && OnBoard(playerX + dx, playerY + dy)) {
    painter_.AnimateStep(playerX, playerY, dx, dy, facing);
    playerX += dx;
    playerY += dy;
    const int i = CellIndex(playerX, playerY);
    const int kind = board.cells[i];
    if (IsArrow(kind)) {
      facing = kind - kArrowNorth;
      dx = kStepX[facing];
      dy = kStepY[facing];
    }
    bool& seen = reached[i][DirectionOf(dx, dy)];
    if (seen) return Landing::kNone;
    seen = true;
  }

  const int kind = board.cells[CellIndex(playerX, playerY)];
  if (kind == kKey) {
    CollectKey();
    return Landing::kKey;
  }
  if (kind == kDoor && keysLeft == 0) {
    StageCleared();
    return Landing::kCleared;
  }
  if (kind == kHole) {
    StageMissed();
    return Landing::kMissed;
  }
  if (IsWarpPad(kind) && Warp(kind)) return Landing::kWarp;
  return Landing::kNone;
}

void Game::CollectKey() {
  board.cells[CellIndex(playerX, playerY)] = kFloor;
  --keysLeft;
  const int left = CellOrigin(playerX);
  const int top = CellOrigin(playerY);
  painter_.EraseCell(left, top);
  painter_.RestoreCell(left, top);
  painter_.DrawCharacter(left, top, facing);
  painter_.PresentBoard();
}

void Game::StageCleared() {
  painter_.AnimateClear(playerX, playerY);
  // A clear that could not be saved still ends: the player is told, and the game goes on.
  std::exception_ptr saveError;
  try {
    window_.MarkStageCleared(stageIndex);
  } catch (...) {
    saveError = std::current_exception();
  }
  window_.HidePlayScreen();
  if (stageIndex < static_cast<int>(dataList_.size()) - 1) ++stageIndex;
  window_.ShowStageSelect();
  if (saveError) std::rethrow_exception(saveError);
}

void Game::StageMissed() {
  painter_.AnimateMiss(playerX, playerY);
  StartStage();
}

bool Game::Warp(int kind) {
  // The last other pad of the colour in reading order is the partner; a lone pad goes nowhere.
  int partnerX = -1;
  int partnerY = -1;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (board.cells[CellIndex(x, y)] == kind && !(x == playerX && y == playerY)) {
        partnerX = x;
        partnerY = y;
      }
    }
  }
  if (partnerX < 0) return false;
  painter_.AnimateSink(playerX, playerY);
  playerX = partnerX;
  playerY = partnerY;
  painter_.AnimateRise(playerX, playerY, facing);
  return true;
}

bool Game::PlaceWall(int direction) {
  if (inputReady != 1) return false;
  PushUndo();
  TurnTo(direction);
  if (mp <= 0) return false;

  const int x = playerX;
  const int y = playerY;
  // The edge chosen, as the cell that owns it and whether it is that cell's south edge.
  int ownerX = x;
  int ownerY = y;
  bool south = false;
  bool onBorder = false;
  switch (direction) {
    case kNorth: onBorder = y == 0; ownerY = y - 1; south = true; break;
    case kEast: onBorder = x == kBoardSize - 1; break;
    case kSouth: onBorder = y == kBoardSize - 1; south = true; break;
    default: onBorder = x == 0; ownerX = x - 1; break;
  }
  bool placed = false;
  if (!onBorder) {
    int& edge = south ? board.southWalls[CellIndex(ownerX, ownerY)] : board.eastWalls[CellIndex(ownerX, ownerY)];
    if (edge == kNoWall) {
      painter_.DrawWall(ownerX * kCellPitch, ownerY * kCellPitch, south, false);
      painter_.PresentBoard();
      edge = kSolidWall;
      --mp;
      placed = true;
    }
  }
  window_.ShowMp(mp);
  return placed;
}

void Game::PushUndo() {
  UndoRing& r = undo;
  r.undoIndex = r.undoIndex + 1 > kUndoSlots - 1 ? 0 : r.undoIndex + 1;
  if (r.undoCount < 1) window_.SetUndoEnabled(true);
  const int s = r.undoIndex;
  r.undoCells[s] = board.cells;
  r.undoEastWalls[s] = board.eastWalls;
  r.undoSouthWalls[s] = board.southWalls;
  r.undoX[s] = playerX;
  r.undoY[s] = playerY;
  r.undoMp[s] = mp;
  r.undoCount = r.undoCount + 1 > kUndoSlots - 1 ? kUndoSlots : r.undoCount + 1;
}

bool Game::Undo() {
  UndoRing& r = undo;
  // The button is disabled with an empty history; a stray call changes nothing.
  if (inputReady != 1 || r.undoCount < 1) return false;
  const int s = r.undoIndex;
  Board snapshot;
  snapshot.cells = r.undoCells[s];
  snapshot.eastWalls = r.undoEastWalls[s];
  snapshot.southWalls = r.undoSouthWalls[s];
  playerX = r.undoX[s];
  playerY = r.undoY[s];
  mp = r.undoMp[s];
  // Rebuilding from a board text redraws both board images, walls placed before the snapshot included.
  LoadBoard(WriteBoardText(snapshot));
  painter_.DrawCharacter(CellOrigin(playerX), CellOrigin(playerY), facing);
  painter_.PresentBoard();
  window_.ShowMp(mp);
  r.undoIndex = r.undoIndex - 1 < 0 ? kUndoSlots - 1 : r.undoIndex - 1;
  --r.undoCount;
  if (r.undoCount == 0) window_.SetUndoEnabled(false);
  return true;
}

}  // namespace suispo
