// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's operations, each a new stage kept beside the one before it.
#include "core/design/stage_edit.h"

#include <algorithm>

#include "core/rules/same_stage.h"

namespace suispo {

MissingPieces MissingOf(const EditedStage& stage) {
  MissingPieces missing;
  missing.start = stage.start < 0;
  missing.door = std::ranges::count(stage.board.cells, kDoor) == 0;
  for (int kind = kWarpRed; kind <= kWarpOrange; ++kind) {
    if (std::ranges::count(stage.board.cells, kind) == 1) missing.lonePads.push_back(kind);
  }
  return missing;
}

StageEdit StageEdit::OfLine(const StageLine& line) {
  EditedStage stage;
  PlayState state;
  rules::LoadBoard(line, state);
  stage.board = state.board;
  if (const std::optional<Cell> start = StartOfLine(line)) stage.start = CellIndex(start->x, start->y);
  try {
    stage.mp = std::clamp(WallPoints(line), 0, kMostEditedWallPoints);
  } catch (const std::exception&) {
    stage.mp = 0;  // no number: the author sets it again
  }
  stage.name = StageName(line);
  return StageEdit(stage);
}

bool StageEdit::Change(const EditedStage& next) {
  if (next == stage_) return false;
  undo_.push_back(stage_);
  redo_.clear();
  stage_ = next;
  ++revision_;
  return true;
}

bool StageEdit::SetCell(Cell at, int kind) {
  if (!OnBoard(at.x, at.y)) return false;
  EditedStage next = stage_;
  const int i = CellIndex(at.x, at.y);
  next.board.cells[static_cast<std::size_t>(i)] = kind;
  if (kind != kFloor && next.start == i) next.start = -1;
  return Change(next);
}

bool StageEdit::SetStart(Cell at) {
  if (!OnBoard(at.x, at.y)) return false;
  EditedStage next = stage_;
  next.start = CellIndex(at.x, at.y);
  next.board.cells[static_cast<std::size_t>(next.start)] = kFloor;
  return Change(next);
}

bool StageEdit::ClearCell(Cell at) {
  if (!OnBoard(at.x, at.y)) return false;
  EditedStage next = stage_;
  const int i = CellIndex(at.x, at.y);
  next.board.cells[static_cast<std::size_t>(i)] = kFloor;
  if (next.start == i) next.start = -1;
  return Change(next);
}

bool StageEdit::SetEdge(Cell at, int direction, int wallKind) {
  const std::optional<Edge> edge = EdgeBeside(at, direction);
  if (!edge) return false;
  EditedStage next = stage_;
  EdgeKind(next.board, *edge) = wallKind;
  return Change(next);
}

bool StageEdit::SetWallPoints(int mp) {
  EditedStage next = stage_;
  next.mp = std::clamp(mp, 0, kMostEditedWallPoints);
  return Change(next);
}

bool StageEdit::SetName(const std::string& name) {
  EditedStage next = stage_;
  next.name.clear();
  for (const char c : name) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) next.name += c;
  }
  return Change(next);
}

bool StageEdit::Undo() { return Step(undo_, redo_); }

bool StageEdit::Redo() { return Step(redo_, undo_); }

bool StageEdit::Step(std::vector<EditedStage>& from, std::vector<EditedStage>& to) {
  if (from.empty()) return false;
  to.push_back(stage_);
  stage_ = from.back();
  from.pop_back();
  ++revision_;
  return true;
}

StageLine StageEdit::Line() const {
  StageDraft draft{stage_.board, stage_.start, stage_.mp};
  return draft.Line(stage_.name);
}

std::optional<StageDraft> StageEdit::Draft() const {
  if (stage_.start < 0) return std::nullopt;
  return StageDraft{stage_.board, stage_.start, stage_.mp};
}

std::optional<PlayState> StageEdit::Start() const {
  if (stage_.start < 0) return std::nullopt;
  PlayState state;
  rules::StartStage(Line(), state);
  return state;
}

}  // namespace suispo
