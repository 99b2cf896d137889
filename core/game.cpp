// The game's operations: each asks the rules what happens and draws it, in the order the screen shows it.
#include "core/game.h"

#include <exception>

#include "core/board_build.h"

namespace suispo {

namespace {

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
  ReadBoardText(text, *this);
  BuildBoard(board, painter_);
}

void Game::StartStage() {
  undo.undoCount = 0;
  undo.undoIndex = 0;
  window_.SetUndoEnabled(false);
  const StageLine line = dataList_.at(static_cast<std::size_t>(stageIndex));
  // Without a "C" the first start of a play keeps the position the previous stage left, and every
  // later start of the same play goes back there, so a miss never leaves the character on the hole.
  if (playStart_ && playStart_->stage == stageIndex) {
    playerX = playStart_->x;
    playerY = playStart_->y;
  } else {
    playStart_ = PlayStart{stageIndex, playerX, playerY};
  }
  // The board is built before the wall points are read, as a failed start leaves it.
  LoadBoard(line);
  mp = WallPoints(line);
  facing = kNorth;
  window_.ShowMp(mp);
  painter_.DrawCharacter(playerX, playerY, facing);
  painter_.PresentBoard();
  painter_.DrawStageName(StageName(line));
}

void Game::ChooseStage(int index) {
  playStart_.reset();
  stageIndex = index;
  StartStage();
}

void Game::TurnTo(int direction) {
  facing = direction;
  painter_.RestoreCell(playerX, playerY);
  painter_.DrawCharacter(playerX, playerY, facing);
  painter_.PresentBoard();
}

// dx and dy are the step of direction, as the move buttons give them; the rules follow direction.
Landing Game::Slide([[maybe_unused]] int dx, [[maybe_unused]] int dy, int direction) {
  if (inputReady != 1) return Landing::kNone;
  InputReadyAgain ready(inputReady);
  PushUndo();
  TurnTo(direction);

  const SlidePath path = TraceSlide(board, Position(), direction);
  for (int i = 0; i < path.stepCount; ++i) {
    const SlideStep& step = path.steps[static_cast<std::size_t>(i)];
    painter_.AnimateStep(playerX, playerY, kStepX[facing], kStepY[facing], facing);
    playerX = step.cell.x;
    playerY = step.cell.y;
    facing = step.direction;
  }
  if (path.loopStopped) return Landing::kNone;

  const Landing landing = LandingAt(board, Position(), keysLeft);
  switch (landing) {
    case Landing::kKey: CollectKey(); break;
    case Landing::kCleared: StageCleared(); break;
    case Landing::kMissed: StageMissed(); break;
    case Landing::kWarp: Warp(*WarpPartner(board, Position())); break;
    case Landing::kNone: break;
  }
  return landing;
}

void Game::CollectKey() {
  TakeKey(*this);
  painter_.EraseCell(playerX, playerY);
  painter_.RestoreCell(playerX, playerY);
  painter_.DrawCharacter(playerX, playerY, facing);
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

void Game::Warp(Cell partner) {
  painter_.AnimateSink(playerX, playerY);
  playerX = partner.x;
  playerY = partner.y;
  painter_.AnimateRise(playerX, playerY, facing);
}

bool Game::PlaceWall(int direction) {
  if (inputReady != 1) return false;
  PushUndo();
  TurnTo(direction);
  if (mp <= 0) return false;
  const bool placed = BuildWall(*this, direction);
  if (placed) {
    const Edge edge = *EdgeBeside(Position(), direction);
    painter_.DrawWall(edge.owner.x, edge.owner.y, edge.south, false);
    painter_.PresentBoard();
  }
  window_.ShowMp(mp);
  return placed;
}

void Game::PushUndo() {
  if (undo.undoCount < 1) window_.SetUndoEnabled(true);
  PushSnapshot(undo, *this);
}

bool Game::Undo() {
  // The button is disabled with an empty history; a stray call changes nothing.
  if (inputReady != 1 || !RestoreSnapshot(undo, *this)) return false;
  // The whole board is drawn again, walls placed before the snapshot included.
  BuildBoard(board, painter_);
  painter_.DrawCharacter(playerX, playerY, facing);
  painter_.PresentBoard();
  window_.ShowMp(mp);
  if (undo.undoCount == 0) window_.SetUndoEnabled(false);
  return true;
}

}  // namespace suispo
