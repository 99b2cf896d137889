// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage select screen's construction: the title, the group with the list, ステージ決定, the
// chooser and the preview, the note; the keys; the list and the title at the zoom.
#include "app/window/stage_select_screen.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

#include "app/platform/application_title.h"
#include "app/window/editor/editor_layout.h"
#include "app/window/handler_connection.h"
#include "app/window/key_presses.h"
#include "app/window/play_screen.h"
#include "app/window/scrolling_menu.h"
#include "app/window/window_zoom.h"

namespace suispo {

StageSelectScreen::StageSelectScreen(const ScreenParts& parts, PlayScreen& play, std::string chapterFolder,
                                     StageFileReader readShelf)
    : Screen(parts),
      play_(play),
      chapterFolder_(std::move(chapterFolder)),
      shelfProgress_(std::move(readShelf), parts.store.StageFolder()) {
  setObjectName(QStringLiteral("StageSelectScreen"));
  BuildControls();
}

StageSelectScreen::~StageSelectScreen() = default;

void StageSelectScreen::BuildControls() {
  TitleImage = new QLabel(this);
  TitleImage->setObjectName(QStringLiteral("TitleImage"));
  PlaceControl(TitleImage, layout::kTitleImage);
  TitleImage->setAccessibleName(ApplicationTitle());

  selectGroup = new QGroupBox(tr("Ｓｔａｇｅ　Ｓｅｌｅｃｔ"), this);
  selectGroup->setObjectName(QStringLiteral("selectGroup"));
  PlaceControl(selectGroup, layout::kSelectGroup, {12, true});
  selectGroup->setFocusPolicy(Qt::NoFocus);

  StageList = new QListWidget(selectGroup);
  StageList->setObjectName(QStringLiteral("StageList"));
  PlaceControl(StageList, layout::kStageList, {13, false, true});
  StageList->setSelectionMode(QAbstractItemView::SingleSelection);
  StageList->setUniformItemSizes(true);
  StageList->setFocusPolicy(Qt::StrongFocus);

  ChoiseButtom = new QPushButton(tr("ステージ決定"), selectGroup);
  ChoiseButtom->setObjectName(QStringLiteral("ChoiseButtom"));
  ChoiseButtom->setFocusPolicy(Qt::StrongFocus);
  PlaceControl(ChoiseButtom, layout::kChoiseButtom);  // the group's bold face
  ChoiseButtom->setToolTip(tr("ステージ決定 (Enter)"));

  // A button with the files in its menu: a screen reader reads its name, ステージ集, and the button
  // shows the file on the list with its progress.
  fileChooser = new QPushButton(selectGroup);
  fileChooser->setObjectName(QStringLiteral("fileChooser"));
  PlaceControl(fileChooser, layout::kFileChooser, {layout::kPreviewPixels});
  fileChooser->setFocusPolicy(Qt::StrongFocus);
  fileChooser->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 3px; }"));
  fileChooser->setAccessibleName(tr("ステージ集"));
  fileChooser->setToolTip(tr("ステージ集：はじめの5ステージ、6つの章、自分のステージファイル (Tab, Space)"));
  fileChooser->setMenu(new QMenu(fileChooser));
  MakeScrolling(*fileChooser->menu());  // thousands of files in one column, never across the screen
  // The popup is a window of its own: it takes the chooser's face from it, not the desktop's.
  fileChooser->menu()->setAttribute(Qt::WA_WindowPropagation);
  // Tab goes from the list to ステージ決定, then to the chooser; Space opens it.
  setTabOrder(StageList, ChoiseButtom);
  setTabOrder(ChoiseButtom, fileChooser);

  editButton = new QPushButton(tr("編集"), this);
  editButton->setObjectName(QStringLiteral("editButton"));
  editButton->setAccessibleName(tr("ステージを編集"));
  editButton->setFocusPolicy(Qt::NoFocus);
  editButton->setToolTip(tr("選んだステージをステージエディタで開く (Ctrl+E)"));
  PlaceControl(editButton, editor::kEditButton, {11});
  OnClick(editButton, dialogs_, [this] { EditSelectedStage(); });

  preview_ = std::make_unique<StagePreview>(selectGroup, places_, store_, facts_, PaintedScale());

  progressNote = new QLabel(this);
  progressNote->setObjectName(QStringLiteral("progressNote"));
  PlaceControl(progressNote, layout::kProgressNote, {12, true});
  progressNote->setAlignment(Qt::AlignCenter);
  progressNote->setTextFormat(Qt::PlainText);  // a file's name is never read as markup
  progressNote->setWordWrap(true);  // a long chapter name takes a second line
  progressNote->hide();

  OnClick(ChoiseButtom, dialogs_, [this] { ChoiseButtomClick(); });
  PressOnKeys(ChoiseButtom, {Qt::Key_Return, Qt::Key_Enter});
  connect(StageList, &QListWidget::itemDoubleClicked, ChoiseButtom, &QAbstractButton::click);
  connect(StageList, &QListWidget::currentRowChanged, this, [this](int row) {
    preview_->Show(row);
    // The player's choice clicks; the row the screen selects as it fills the list does not.
    if (row >= 0 && StageList->hasFocus()) cues_->Play(Cue::kSelect);
  });
}

void StageSelectScreen::ZoomChanged() {
  TitleImage->setPixmap(ZoomedPicture(assets::kTitle, zoom() * layout::kTitleScale, devicePixelRatioF()));
  TitleImage->setAlignment(Qt::AlignCenter);
  SizeListRows();
  preview_->Redraw(PaintedScale());
}

void StageSelectScreen::SizeListRows() {
  // Rows of 13 pixels at 100 %, or as tall as the fallback font needs so that no glyph is cut off.
  const int lineHeight = std::max(Zoomed(13, zoom()), StageList->fontMetrics().height());
  for (int row = 0; row < StageList->count(); ++row) {
    QListWidgetItem* item = StageList->item(row);
    item->setSizeHint({StageList->fontMetrics().horizontalAdvance(item->text()) + 4, lineHeight});
  }
}

}  // namespace suispo
