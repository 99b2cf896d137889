// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's operations: the play changes the state, then its answer is drawn step by step.
#include "core/game/game.h"

#include <exception>
#include <utility>

#include "core/game/board_build.h"
#include "core/text/several_errors.h"
#include "core/text/shift_jis_text.h"

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

// While a move is shown, to its end or its error.
class Showing {
 public:
  explicit Showing(bool& sliding) : sliding_(sliding) { sliding_ = true; }
  ~Showing() { sliding_ = false; }
  Showing(const Showing&) = delete;
  Showing& operator=(const Showing&) = delete;

 private:
  bool& sliding_;
};

}  // namespace

Game::Game(const std::vector<StageLine>& dataList, BoardPainter& painter, GameWindow& window)
    : dataList_(dataList), painter_(painter), window_(window) {}

void Game::LoadBoard(std::string_view text) {
  rules::LoadBoard(text, *this);
  BuildBoard(board, painter_);
}

void Game::StartStage() {
  // Restarts go back to where this stage's play began; another stage begins a new play.
  const bool restart = stageIndex == playedStage_;
  kept_.reset();
  if (!restart) {
    NewPlay();
    playedStage_ = stageIndex;
  }
  window_.SetUndoEnabled(false);
  const StageLine& line = dataList_.at(static_cast<std::size_t>(stageIndex));
  try {
    StagePlay::StartStage(line);
  } catch (...) {
    // A failed start shows the board it loaded before the wall points failed.
    BuildBoard(board, painter_);
    throw;
  }
  if (restart) cues_->Play(Cue::kRestart);
  ShowStart();
}

void Game::ShowStart() {
  BuildBoard(board, painter_);
  window_.ShowMp(mp);
  window_.ShowMoveCount(moveCount);
  painter_.DrawCharacter(playerX, playerY, facing);
  painter_.PresentBoard();
  // The plate takes the name as a stage file holds it; a name of the table is written so.
  const std::optional<std::string> named = stageNames != nullptr ? TableStageName(*stageNames, line()) : std::nullopt;
  painter_.DrawStageName(named ? ShiftJisText(*named) : StageName(line()));
}

void Game::ChooseStage(int index) {
  playedStage_ = -1;
  stageIndex = index;
  StartStage();
}

void Game::ShowTurn(Cell at, int direction) {
  painter_.RestoreCell(at.x, at.y);
  painter_.DrawCharacter(at.x, at.y, direction);
  painter_.PresentBoard();
}

void Game::ShowFirstSnapshot(bool first) {
  if (first) window_.SetUndoEnabled(true);
}

// dx and dy are the step of direction, as the move buttons give them; the rules follow direction.
Landing Game::Slide([[maybe_unused]] int dx, [[maybe_unused]] int dy, int direction) {
  if (inputReady != 1) {
    Keep(false, direction);
    return Landing::kNone;
  }
  const Landing landing = SlideOnce(direction);
  PlayKept();
  return landing;
}

void Game::Keep(bool wall, int direction) {
  if (typeAhead && sliding_) kept_ = KeptPress{wall, direction};  // a later press replaces an earlier one
}

// Played after the move has returned, when its animation said it ended: no clock decides it.
void Game::PlayKept() {
  while (kept_) {
    const KeptPress press = *std::exchange(kept_, std::nullopt);
    if (press.wall) {
      PlaceWall(press.direction);
    } else {
      SlideOnce(press.direction);
    }
  }
}

Landing Game::SlideOnce(int direction) {
  InputReadyAgain ready(inputReady);
  const Cell from = Position();
  const bool first = UndoLeft() < 1;
  const int countBefore = moveCount;
  const MoveResult move = StagePlay::Slide(direction);
  ShowFirstSnapshot(first);
  // A miss has already started the play again; the count goes to 0 only when the new start shows.
  window_.ShowMoveCount(move.landing == Landing::kMissed ? countBefore + 1 : moveCount);
  if (move.path.stepCount == 0) cues_->Play(Cue::kTurn);
  ShowTurn(from, direction);

  Cell at = from;
  int heading = direction;
  const Showing showing(sliding_);
  for (int i = 0; i < move.path.stepCount; ++i) {
    const SlideStep& step = move.path.steps[static_cast<std::size_t>(i)];
    if (i == 0) cues_->Play(Cue::kSlide);
    painter_.AnimateStep(at.x, at.y, kStepX[heading], kStepY[heading], heading);
    at = step.cell;
    heading = step.direction;
  }
  // The character rests where it stands, unless it falls or sinks into a pad.
  const bool rests = move.landing != Landing::kMissed && move.landing != Landing::kWarp;
  if (move.path.stepCount > 0 && rests) cues_->Play(Cue::kStop);
  switch (move.landing) {
    case Landing::kKey: CollectKey(); break;
    case Landing::kCleared: StageCleared(); break;
    case Landing::kMissed: StageMissed(move.path.rest); break;
    case Landing::kWarp: Warp(move.warpedFrom); break;
    case Landing::kNone: break;
  }
  // A press kept for this play is lost with it.
  if (move.landing == Landing::kMissed || move.landing == Landing::kCleared) kept_.reset();
  return move.landing;
}

void Game::CollectKey() {
  cues_->Play(Cue::kKey);
  painter_.EraseCell(playerX, playerY);
  painter_.RestoreCell(playerX, playerY);
  painter_.DrawCharacter(playerX, playerY, facing);
  painter_.PresentBoard();
}

void Game::StageCleared() {
  const std::string verdict = window_.RecordClear(stageIndex, moveCount, hinted);
  cues_->Play(Cue::kClear);
  painter_.AnimateClear(playerX, playerY, verdict);
  // A clear whose files could not be saved still ends: the player is told of every failure, and
  // the game goes on. Each file is saved whatever became of the other.
  std::vector<std::exception_ptr> saveErrors;
  try {
    window_.MarkStageCleared(stageIndex);
  } catch (...) {
    saveErrors.push_back(std::current_exception());
  }
  try {
    window_.SaveRecords();
  } catch (...) {
    saveErrors.push_back(std::current_exception());
  }
  window_.HidePlayScreen();
  if (stageIndex < static_cast<int>(dataList_.size()) - 1) ++stageIndex;
  window_.ShowStageSelect();
  ThrowErrors(std::move(saveErrors));
}

// The play has already started again: the fall is shown at the hole, then the new start. Undo stays
// enabled where the history kept the falling move (UndoDepth::kUnlimited).
void Game::StageMissed(Cell hole) {
  cues_->Play(Cue::kFall);
  painter_.AnimateMiss(hole.x, hole.y);
  window_.SetUndoEnabled(UndoLeft() > 0);
  ShowStart();
}

void Game::Warp(Cell pad) {
  cues_->Play(Cue::kWarp);
  painter_.AnimateSink(pad.x, pad.y);
  painter_.AnimateRise(playerX, playerY, facing);
}

bool Game::PlaceWall(int direction) {
  if (inputReady != 1) {
    Keep(true, direction);
    return false;
  }
  const Cell at = Position();
  const bool first = UndoLeft() < 1;
  const bool hadPoints = mp > 0;
  const bool placed = StagePlay::PlaceWall(direction);
  ShowFirstSnapshot(first);
  ShowTurn(at, direction);
  if (!hadPoints) return false;
  if (placed) {
    cues_->Play(Cue::kWall);
    const Edge edge = *EdgeBeside(at, direction);
    painter_.DrawWall(edge.owner.x, edge.owner.y, edge.south, false);
    painter_.PresentBoard();
  }
  window_.ShowMp(mp);
  window_.ShowMoveCount(moveCount);
  return placed;
}

void Game::PushUndo() {
  ShowFirstSnapshot(UndoLeft() < 1);
  StagePlay::PushUndo();
}

bool Game::Undo() {
  // The button is disabled with an empty history; a stray call changes nothing.
  if (inputReady != 1 || !StagePlay::Undo()) return false;
  cues_->Play(Cue::kUndo);
  // The whole board is drawn again, walls placed before the snapshot included.
  BuildBoard(board, painter_);
  painter_.DrawCharacter(playerX, playerY, facing);
  painter_.PresentBoard();
  window_.ShowMp(mp);
  window_.ShowMoveCount(moveCount);
  if (UndoLeft() == 0) window_.SetUndoEnabled(false);
  return true;
}

}  // namespace suispo
