// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's handlers: a stage opened, the board painted, undo and redo, the test play, leaving.
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/window/editor/editor_board.h"
#include "app/window/editor/editor_feedback.h"
#include "app/window/editor/palette.h"
#include "app/window/editor/stage_editor_screen.h"
#include "app/window/play_screen.h"
#include "core/game/board_build.h"
#include "core/text/display_text.h"
#include "core/text/shift_jis_text.h"
#include "view/board_view.h"

namespace suispo {

void StageEditorScreen::OpenStage(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= store_.dataList.size()) return;
  Open(StageEdit::OfLine(store_.dataList[static_cast<std::size_t>(row)]), row);
}

void StageEditorScreen::OpenBlank() {
  EditedStage blank;
  blank.name = ShiftJisText(tr("新しいステージ").toStdString());
  Open(StageEdit(blank), -1);
}

void StageEditorScreen::Open(StageEdit edit, int row) {
  edit_ = std::move(edit);
  row_ = row;
  unsaved_ = false;
  boardView_->SetScale(PaintedScale());
  const EditedStage& stage = edit_.stage();
  boardImage->SetCursor(stage.start >= 0 ? Cell{stage.start / kBoardSize, stage.start % kBoardSize} : Cell{});
  Edited();
  unsaved_ = false;
  shell_.ShowScreen(this);
  boardImage->setFocus();
}

void StageEditorScreen::Edited() {
  unsaved_ = true;
  const EditedStage& stage = edit_.stage();
  const QString name = QString::fromStdString(DisplayText(stage.name));
  if (nameEdit->text() != name) nameEdit->setText(name);
  if (wallPointsEdit->value() != stage.mp) {
    const QSignalBlocker quiet(wallPointsEdit);
    wallPointsEdit->setValue(stage.mp);
  }
  undoEditButton->setEnabled(edit_.CanUndo());
  redoEditButton->setEnabled(edit_.CanRedo());
  DrawBoard();
  solutionButton->setEnabled(false);
  feedback_->Ask(edit_);
}

void StageEditorScreen::DrawBoard() {
  const EditedStage& stage = edit_.stage();
  BuildBoard(stage.board, *boardView_);
  if (stage.start >= 0) boardView_->DrawCharacter(stage.start / kBoardSize, stage.start % kBoardSize, kNorth);
  boardView_->PresentBoard();
  boardImage->update();
}

void StageEditorScreen::PaintCell(Cell at, std::size_t entry) {
  if (showing_) return;
  const PaletteEntry& paint = kPalette.at(entry);
  const bool changed = paint.paints == PaletteEntry::Paints::kStart ? edit_.SetStart(at) : edit_.SetCell(at, paint.value);
  if (changed) Edited();
}

void StageEditorScreen::SetEdge(Cell at, int direction, int wallKind) {
  if (!showing_ && edit_.SetEdge(at, direction, wallKind)) Edited();
}

void StageEditorScreen::ClearCell(Cell at) {
  if (!showing_ && edit_.ClearCell(at)) Edited();
}

void StageEditorScreen::undoEditClick() {
  if (!showing_ && edit_.Undo()) Edited();
}

void StageEditorScreen::redoEditClick() {
  if (!showing_ && edit_.Redo()) Edited();
}

void StageEditorScreen::ChooseEntry(std::size_t entry) {
  entry_ = entry;
  if (kPalette[entry].paints == PaletteEntry::Paints::kEdge) edgeEntry_ = entry;
  for (std::size_t i = 0; i < paletteButtons_.size(); ++i) paletteButtons_[i]->setChecked(i == entry);
}

void StageEditorScreen::PaletteKey(std::size_t entry) {
  ChooseEntry(entry);
  if (kPalette[entry].paints != PaletteEntry::Paints::kEdge) PaintCell(boardImage->cursor(), entry);
}

void StageEditorScreen::MoveCursor(int direction) {
  const Cell at = boardImage->cursor();
  const Cell next{at.x + kStepX[direction], at.y + kStepY[direction]};
  if (OnBoard(next.x, next.y)) boardImage->SetCursor(next);
}

void StageEditorScreen::tryButtonClick() {
  if (showing_) return;
  TakeName();
  // A stage without a start or with wall points no number never starts: the figures say what is missing.
  if (!edit_.Start()) {
    dialogs_.ShowMessage(window(), tr("試す"), tr("スタートを置いてから試してください。"));
    return;
  }
  trialLines_[0] = edit_.Line();
  trial_->StartTrial();
}

void StageEditorScreen::backButtonClick() {
  if (showing_ || !MayLeave()) return;
  feedback_->Stop();
  leave_();
}

bool StageEditorScreen::MayLeave() {
  TakeName();
  return !unsaved_ || dialogs_.AskYesNo(window(), tr("ステージエディタ"),
                                        tr("保存していない変更があります。保存せずにステージエディタを離れますか？"));
}

}  // namespace suispo
