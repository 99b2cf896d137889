// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's operations as plain changes of a stage being made, with unlimited undo and redo.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/design/draft.h"
#include "core/rules/play_state.h"

namespace suispo {

// A stage as the author has it in hand: it may lack a start, a door or a warp pad's twin meanwhile.
struct EditedStage {
  Board board;          // the start cell holds floor
  int start = -1;       // CellIndex of the start; -1 while there is none
  int mp = 0;           // wall points, 0 to kMostEditedWallPoints
  std::string name;     // the name's bytes as the stage file holds them
  friend bool operator==(const EditedStage&, const EditedStage&) = default;
};

// Two digits in a stage line.
inline constexpr int kMostEditedWallPoints = 99;

// What a stage still lacks before it can be played as meant.
struct MissingPieces {
  bool start = false;
  bool door = false;
  std::vector<int> lonePads;  // warp kinds with a single pad
  bool None() const { return !start && !door && lonePads.empty(); }
};
MissingPieces MissingOf(const EditedStage& stage);

class StageEdit {
 public:
  explicit StageEdit(EditedStage stage = {}) : stage_(std::move(stage)) {}
  // The stage a line starts: its last "C" the start, its name's bytes; the cleared flag is dropped.
  static StageEdit OfLine(const StageLine& line);

  const EditedStage& stage() const { return stage_; }

  // Each operation returns whether it changed the stage; a change is one undo step and drops the redo.
  // A cell's kind; anything but floor on the start takes the start away.
  bool SetCell(Cell at, int kind);
  // The start moves to `at`, which becomes floor.
  bool SetStart(Cell at);
  // Floor again, and no start there.
  bool ClearCell(Cell at);
  // The edge on the `direction` side of `at` (a WallKind); the board's border has none to set.
  bool SetEdge(Cell at, int direction, int wallKind);
  bool SetWallPoints(int mp);
  // Line breaks and other control characters are left out: a name ends its line.
  bool SetName(const std::string& name);

  bool Undo();
  bool Redo();
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Counts every change, undo and redo included: the feedback says which edit it belongs to.
  int revision() const { return revision_; }

  // The stage line as saved: board text (the start as "C"), wall points, not cleared, the name.
  StageLine Line() const;
  // The draft the measures take; none without a start.
  std::optional<StageDraft> Draft() const;
  // The play at its start; none without a start.
  std::optional<PlayState> Start() const;

 private:
  bool Change(const EditedStage& next);
  // Undo and redo: the newest stage of `from` comes back, the one shown goes onto `to`.
  bool Step(std::vector<EditedStage>& from, std::vector<EditedStage>& to);

  EditedStage stage_;
  std::vector<EditedStage> undo_;
  std::vector<EditedStage> redo_;
  int revision_ = 0;
};

}  // namespace suispo
