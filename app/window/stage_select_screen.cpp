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
#include "app/window/handler_connection.h"
#include "app/window/key_presses.h"
#include "app/window/play_screen.h"
#include "app/window/window_zoom.h"

namespace suispo {

StageSelectScreen::StageSelectScreen(const ScreenParts& parts, PlayScreen& play, std::string chapterFolder)
    : Screen(parts), play_(play), chapterFolder_(std::move(chapterFolder)) {
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
  PlaceControl(fileChooser, layout::kFileChooser, {11});
  fileChooser->setFocusPolicy(Qt::StrongFocus);
  fileChooser->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 3px; }"));
  fileChooser->setAccessibleName(tr("ステージ集"));
  fileChooser->setToolTip(tr("ステージ集：はじめの5ステージ、6つの章、自分のステージファイル (Tab, Space)"));
  fileChooser->setMenu(new QMenu(fileChooser));
  connect(fileChooser->menu(), &QMenu::aboutToShow, this, [this] { LabelShelf(); });
  // Tab goes from the list to ステージ決定, then to the chooser; Space opens it.
  setTabOrder(StageList, ChoiseButtom);
  setTabOrder(ChoiseButtom, fileChooser);

  preview_ = std::make_unique<StagePreview>(selectGroup, places_, store_, facts_, PaintedScale());

  progressNote = new QLabel(this);
  progressNote->setObjectName(QStringLiteral("progressNote"));
  PlaceControl(progressNote, layout::kProgressNote, {12, true});
  progressNote->setAlignment(Qt::AlignCenter);
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
  TitleImage->setPixmap(ZoomedPicture(assets::kTitle, zoom(), devicePixelRatioF()));
  SizeListRows();
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
