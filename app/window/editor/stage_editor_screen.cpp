// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's construction: the board, the palette, the name and wall points, the figures and
// the buttons at their places, the keys, and the test play screen it hands its stage to.
#include "app/window/editor/stage_editor_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "app/window/animation_pace.h"
#include "app/window/editor/editor_board.h"
#include "app/window/editor/editor_feedback.h"
#include "app/window/editor/editor_layout.h"
#include "app/window/editor/palette.h"
#include "app/window/error_report.h"
#include "app/window/handler_connection.h"
#include "app/window/key_presses.h"
#include "app/window/play_screen.h"
#include "core/text/display_text.h"
#include "core/text/shift_jis_text.h"
#include "view/board_view.h"

namespace suispo {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolTip(tip);
  return button;
}

}  // namespace

StageEditorScreen::StageEditorScreen(const ScreenParts& parts, AnimationPace& pace, std::function<LocalTime()> now,
                                     std::function<void()> leave)
    : Screen(parts), pace_(pace), now_(std::move(now)), leave_(std::move(leave)), edgeEntry_(kWallEntry) {
  setObjectName(QStringLiteral("StageEditorScreen"));
  setAccessibleName(tr("ステージエディタ"));
  BuildControls();
  BindKeys();
  boardView_ = std::make_unique<BoardView>(pace_, *boardImage, PaintedScale());
  boardImage->SetSurface(&boardView_->surface());
  // The test play reads the edited line from here; Esc or the clear come back with the edit intact.
  trialLines_.resize(1);
  trial_ = new PlayScreen(parts, pace_, {[](int) {}, [this] { shell_.ShowScreen(this); boardImage->setFocus(); }},
                          &trialLines_);
}

StageEditorScreen::~StageEditorScreen() { delete trial_; }

void StageEditorScreen::BuildControls() {
  boardImage = new EditorBoard(this);
  boardImage->setObjectName(QStringLiteral("boardImage"));
  boardImage->setAccessibleName(tr("盤面"));
  boardImage->setToolTip(tr("クリックかドラッグで塗る、右クリックで消す。矢印キーでカーソル、Shift+矢印で辺"));
  PlaceControl(boardImage, editor::kBoard);
  boardImage->OnPaint([this](const EditorBoard::Point& at, bool clear, bool first) {
    if (!first && kPalette[entry_].paints == PaletteEntry::Paints::kStart) return;  // a drag does not move the start
    RunReportingErrors(dialogs_, [&] {
      const PaletteEntry& entry = kPalette[entry_];
      if (entry.paints == PaletteEntry::Paints::kEdge) {
        SetEdge(at.cell, at.nearestSide, clear ? kNoWall : entry.value);
      } else if (clear) {
        ClearCell(at.cell);
      } else {
        PaintCell(at.cell, entry_);
      }
    });
  });
  BuildPalette();

  auto* nameCaption = new QLabel(tr("名前"), this);
  PlaceControl(nameCaption, editor::kNameCaption, {editor::kFontPixels, true});
  nameEdit = new QLineEdit(this);
  nameEdit->setObjectName(QStringLiteral("nameEdit"));
  nameEdit->setAccessibleName(tr("ステージの名前"));
  nameEdit->setMaxLength(200);
  PlaceControl(nameEdit, editor::kNameField, {editor::kFontPixels});
  nameCaption->setBuddy(nameEdit);
  connect(nameEdit, &QLineEdit::editingFinished, this, [this] { RunReportingErrors(dialogs_, [this] { TakeName(); }); });

  auto* pointsCaption = new QLabel(tr("壁ポイント"), this);
  PlaceControl(pointsCaption, editor::kWallPointsCaption, {editor::kFontPixels, true});
  wallPointsEdit = new QSpinBox(this);
  wallPointsEdit->setObjectName(QStringLiteral("wallPointsEdit"));
  wallPointsEdit->setAccessibleName(tr("壁ポイント"));
  wallPointsEdit->setRange(0, kMostEditedWallPoints);
  PlaceControl(wallPointsEdit, editor::kWallPointsField, {editor::kFontPixels});
  pointsCaption->setBuddy(wallPointsEdit);
  connect(wallPointsEdit, &QSpinBox::valueChanged, this, [this](int mp) {
    RunReportingErrors(dialogs_, [this, mp] {
      if (edit_.SetWallPoints(mp)) Edited();
    });
  });

  undoEditButton = Button(this, "undoEditButton", tr("元に戻す"), tr("元に戻す (Ctrl+Z)"));
  PlaceControl(undoEditButton, editor::kUndoButton, {editor::kFontPixels});
  redoEditButton = Button(this, "redoEditButton", tr("やり直す"), tr("やり直す (Ctrl+Shift+Z, Ctrl+Y)"));
  PlaceControl(redoEditButton, editor::kRedoButton, {editor::kFontPixels});

  feedback_ = std::make_unique<EditorFeedback>(this, places_, [this] {
    solutionButton->setEnabled(feedback_->par() && feedback_->par()->outcome == SolveOutcome::kSolved);
  });

  tryButton = Button(this, "tryButton", tr("試す"), tr("試す (Ctrl+T)"));
  PlaceControl(tryButton, editor::kTryButton, {editor::kFontPixels});
  solutionButton = Button(this, "solutionButton", tr("解答を見る"), tr("解答を見る (Ctrl+A)"));
  PlaceControl(solutionButton, editor::kSolutionButton, {editor::kFontPixels});
  saveButton = Button(this, "saveButton", tr("保存"), tr("保存 (Ctrl+S: 元のファイルへ)"));
  PlaceControl(saveButton, editor::kSaveButton, {editor::kFontPixels});
  auto* saves = new QMenu(saveButton);
  OnTrigger(saves->addAction(tr("元のファイルに上書き保存")), dialogs_, [this] { SaveOver(); });
  OnTrigger(saves->addAction(tr("ほかのステージファイルに追加…")), dialogs_, [this] { SaveAppended(); });
  OnTrigger(saves->addAction(tr("新しいステージファイルに保存")), dialogs_, [this] { SaveNew(); });
  saves->actions().at(0)->setObjectName(QStringLiteral("saveOverMenu"));
  saves->actions().at(1)->setObjectName(QStringLiteral("saveAppendedMenu"));
  saves->actions().at(2)->setObjectName(QStringLiteral("saveNewMenu"));
  saveButton->setMenu(saves);
  backButton = Button(this, "backButton", tr("戻る"), tr("ステージ選択に戻る (Esc)"));
  PlaceControl(backButton, editor::kBackButton, {editor::kFontPixels});

  OnClick(undoEditButton, dialogs_, [this] { undoEditClick(); });
  OnClick(redoEditButton, dialogs_, [this] { redoEditClick(); });
  OnClick(tryButton, dialogs_, [this] { tryButtonClick(); });
  OnClick(solutionButton, dialogs_, [this] { solutionButtonClick(); });
  OnClick(backButton, dialogs_, [this] { backButtonClick(); });
}

void StageEditorScreen::TakeName() {
  // The name's bytes stay as they were until the name shown is changed.
  const std::string shown = nameEdit->text().toStdString();
  if (shown != DisplayText(edit_.stage().name) && edit_.SetName(ShiftJisText(shown))) Edited();
}

void StageEditorScreen::BuildPalette() {
  for (std::size_t i = 0; i < kPalette.size(); ++i) {
    const PaletteEntry& entry = kPalette[i];
    const QString key = QKeySequence(entry.key).toString(QKeySequence::NativeText);
    const QString word = QCoreApplication::translate("StageEditor", entry.word);
    QPushButton* button = paletteButtons_[i] =
        Button(this, entry.name, QCoreApplication::translate("StageEditor", entry.glyph),
               QStringLiteral("%1 (%2)").arg(word, key));
    button->setAccessibleName(word);
    button->setCheckable(true);
    PlaceControl(button, editor::PalettePlace(i), {editor::kFontPixels, true});
    OnClick(button, dialogs_, [this, i] { ChooseEntry(i); });
  }
  paletteButtons_[0]->setChecked(true);
}

void StageEditorScreen::BindKeys() {
  PressOnKeys(undoEditButton, {Qt::CTRL | Qt::Key_Z});
  PressOnKeys(redoEditButton, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y});
  PressOnKeys(tryButton, {Qt::CTRL | Qt::Key_T});
  PressOnKeys(solutionButton, {Qt::CTRL | Qt::Key_A});
  PressOnKeys(backButton, {Qt::Key_Escape});
  // Keys that act on the board: each a shortcut of this screen, live while it is shown. A text field
  // with the focus keeps the keys it types with.
  auto onKey = [this](QKeySequence key, std::function<void()> handler) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, handler = std::move(handler)] {
      if (!showing_) RunReportingErrors(dialogs_, handler);
    });
  };
  const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left};
  for (int d = 0; d < 4; ++d) {
    onKey(arrows[d], [this, d] { MoveCursor(d); });
    onKey(Qt::SHIFT | arrows[d], [this, d] { SetEdge(boardImage->cursor(), d, kPalette[edgeEntry_].value); });
  }
  for (std::size_t i = 0; i < kPalette.size(); ++i) onKey(kPalette[i].key, [this, i] { PaletteKey(i); });
  onKey(Qt::Key_Space, [this] { PaletteKey(entry_); });
  onKey(Qt::Key_Delete, [this] { ClearCell(boardImage->cursor()); });
  onKey(Qt::Key_Backspace, [this] { ClearCell(boardImage->cursor()); });
  onKey(Qt::CTRL | Qt::Key_S, [this] { SaveOver(); });
}

void StageEditorScreen::ZoomChanged() {
  boardImage->SetZoom(zoom());
  // Drawn again at the new scale while the editor is not in front; on screen it is shown scaled.
  if (isHidden() && boardView_) boardView_->SetScale(PaintedScale());
}

}  // namespace suispo
