// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's construction: the controls at their places, the fonts, the tab order and the menu.
#include "app/window/main_form.h"

#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include <utility>

#include "app/window/about_box.h"
#include "app/window/application_title.h"
#include "app/window/error_report.h"
#include "app/window/key_presses.h"
#include "app/window/play_surface.h"
#include "app/window/transparent_ground.h"
#include "assets/pictures.h"
#include "assets/play_screen_layout.h"
#include "app/window/window_placement.h"

namespace suispo {

namespace {

// A game button; its glyph comes at the first stage start (ReadGlyphs). It never takes the focus.
QRect Place(layout::Rect r) { return QRect(r.left, r.top, r.width(), r.height()); }

QPushButton* GlyphButton(QWidget* parent, layout::Rect place) {
  auto* button = new QPushButton(parent);
  button->setGeometry(Place(place));
  button->setFocusPolicy(Qt::NoFocus);
  button->hide();
  return button;
}

QPushButton* TextButton(QWidget* parent, const QString& caption, layout::Rect place, Qt::FocusPolicy focus) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(Place(place));
  button->setFocusPolicy(focus);
  return button;
}

}  // namespace

MainForm::MainForm(const MainFormParts& parts)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      dialogs_(*parts.dialogs),
      openUrl_(parts.openUrl),
      helpPage_(parts.helpPage),
      chapterFolder_(parts.chapterFolder),
      now_(parts.now),
      store_(parts.places, parts.now) {
  setWindowTitle(kApplicationTitle);
  QIcon icon;
  for (const assets::Picture& size : assets::kIcons) icon.addPixmap(QPixmap::fromImage(assets::ReadPicture(size)));
  setWindowIcon(icon);
  setFont(fonts_.Proportional(12));
  BuildControls();
  BuildMenu();
  BindKeys();
  boardView_ = std::make_unique<BoardView>(*parts.frameClock, *MainImage);
  MainImage->SetSurface(&boardView_->surface());
  game_ = std::make_unique<Game>(store_.dataList, *boardView_, *this);
  placement_ = new WindowPlacement(this);
  dialogForm = new AboutBox(this, fonts_, [this](const QUrl& url) { openUrl_(url, {}); });
}

MainForm::~MainForm() = default;

void MainForm::BuildControls() {
  auto* client = new QWidget(this);
  client->setFixedSize(layout::kClientWidth, layout::kClientHeight);
  setCentralWidget(client);
  // Fixed at the client size plus the menu bar: no resizing, no maximising.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  MainImage = new PlaySurface(client);
  MainImage->hide();

  // White digits on the dark boxes the background leaves for them; a screen reader reads the
  // caption with the number.
  for (std::size_t i = 0; i < layout::kFigures.size(); ++i) {
    const layout::Figure& row = layout::kFigures[i];
    QLabel* figure = figures_[i] = new QLabel(QStringLiteral("0"), client);
    figure->setGeometry(Place(row.digits));
    figure->setAlignment(Qt::AlignCenter);
    figure->setFont(fonts_.Proportional(row.digitPixels, true));
    QPalette white = figure->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    figure->setPalette(white);
    figure->setAccessibleName(QString::fromUtf8(row.caption));
    figure->hide();
  }
  mpText = figures_[layout::kWallPointsFigure];
  moveText = figures_[layout::kMoveCountFigure];
  parText = figures_[layout::kParFigure];
  bestText = figures_[layout::kBestFigure];
  ratingText = figures_[layout::kRatingFigure];

  TitleImage = new QLabel(client);
  TitleImage->setGeometry(Place(layout::kTitleImage));
  TitleImage->setPixmap(WithTransparentGround(assets::ReadPicture(assets::kTitle)));
  TitleImage->setAccessibleName(kApplicationTitle);
  TitleImage->hide();

  NWallButton = GlyphButton(client, layout::kWallButtons[kNorth]);
  EWallButton = GlyphButton(client, layout::kWallButtons[kEast]);
  SWallButton = GlyphButton(client, layout::kWallButtons[kSouth]);
  WWallButton = GlyphButton(client, layout::kWallButtons[kWest]);
  NMoveButton = GlyphButton(client, layout::kMoveButtons[kNorth]);
  EMoveButton = GlyphButton(client, layout::kMoveButtons[kEast]);
  SMoveButton = GlyphButton(client, layout::kMoveButtons[kSouth]);
  WMoveButton = GlyphButton(client, layout::kMoveButtons[kWest]);

  // What a screen reader says for the buttons that show only a picture.
  const std::pair<QPushButton*, const char*> names[] = {
      {NWallButton, "上に壁を置く"}, {EWallButton, "右に壁を置く"}, {SWallButton, "下に壁を置く"},
      {WWallButton, "左に壁を置く"}, {NMoveButton, "上へ移動"},     {EMoveButton, "右へ移動"},
      {SMoveButton, "下へ移動"},     {WMoveButton, "左へ移動"}};
  for (const auto& [button, name] : names) button->setAccessibleName(QString::fromUtf8(name));

  selectGroup = new QGroupBox(QStringLiteral("Ｓｔａｇｅ　Ｓｅｌｅｃｔ"), client);
  selectGroup->setGeometry(Place(layout::kSelectGroup));
  selectGroup->setFont(fonts_.Proportional(12, true));
  selectGroup->setFocusPolicy(Qt::NoFocus);
  selectGroup->hide();

  StageList = new QListWidget(selectGroup);
  StageList->setGeometry(Place(layout::kStageList));
  StageList->setFont(fonts_.Fixed(13));
  StageList->setSelectionMode(QAbstractItemView::SingleSelection);
  StageList->setUniformItemSizes(true);
  StageList->setFocusPolicy(Qt::StrongFocus);

  ChoiseButtom = TextButton(selectGroup, QStringLiteral("ステージ決定"), layout::kChoiseButtom, Qt::StrongFocus);

  resetButton = TextButton(client, QStringLiteral("やり直し"), layout::kResetButton, Qt::NoFocus);
  resetButton->setFont(fonts_.Proportional(11));
  resetButton->hide();
  giveupButton = TextButton(client, QStringLiteral("タイトル"), layout::kGiveupButton, Qt::NoFocus);
  giveupButton->setFont(fonts_.Proportional(11));
  giveupButton->hide();
  undoButton = TextButton(client, QStringLiteral("１手戻す"), layout::kUndoButton, Qt::StrongFocus);
  undoButton->hide();

  setTabOrder(StageList, ChoiseButtom);
  setTabOrder(ChoiseButtom, undoButton);

  Connect(ChoiseButtom, &MainForm::ChoiseButtomClick);
  Connect(NMoveButton, &MainForm::NMoveButtonClick);
  Connect(EMoveButton, &MainForm::EMoveButtonClick);
  Connect(SMoveButton, &MainForm::SMoveButtonClick);
  Connect(WMoveButton, &MainForm::WMoveButtonClick);
  Connect(NWallButton, &MainForm::NWallButtonClick);
  Connect(EWallButton, &MainForm::EWallButtonClick);
  Connect(SWallButton, &MainForm::SWallButtonClick);
  Connect(WWallButton, &MainForm::WWallButtonClick);
  Connect(undoButton, &MainForm::undoButtonClick);
  Connect(resetButton, &MainForm::resetButtonClick);
  Connect(giveupButton, &MainForm::giveupButtonClick);
}

void MainForm::ReadGlyphs() {
  if (glyphsRead_) return;
  glyphsRead_ = true;
  const std::pair<QPushButton*, assets::Picture> glyphs[] = {
      {NWallButton, assets::kWallGlyphs[kNorth]}, {EWallButton, assets::kWallGlyphs[kEast]},
      {SWallButton, assets::kWallGlyphs[kSouth]}, {WWallButton, assets::kWallGlyphs[kWest]},
      {NMoveButton, assets::kMoveGlyphs[kNorth]}, {EMoveButton, assets::kMoveGlyphs[kEast]},
      {SMoveButton, assets::kMoveGlyphs[kSouth]}, {WMoveButton, assets::kMoveGlyphs[kWest]}};
  for (const auto& [button, picture] : glyphs) {
    // Each glyph with its silver ground left out.
    const QPixmap glyph = WithTransparentGround(assets::ReadPicture(picture));
    button->setIcon(QIcon(glyph));
    button->setIconSize(glyph.size());
  }
}

void MainForm::BindKeys() {
  PressOnKeys(NMoveButton, {Qt::Key_Up});
  PressOnKeys(EMoveButton, {Qt::Key_Right});
  PressOnKeys(SMoveButton, {Qt::Key_Down});
  PressOnKeys(WMoveButton, {Qt::Key_Left});
  PressOnKeys(NWallButton, {Qt::SHIFT | Qt::Key_Up});
  PressOnKeys(EWallButton, {Qt::SHIFT | Qt::Key_Right});
  PressOnKeys(SWallButton, {Qt::SHIFT | Qt::Key_Down});
  PressOnKeys(WWallButton, {Qt::SHIFT | Qt::Key_Left});
  PressOnKeys(undoButton, {Qt::Key_Backspace, Qt::CTRL | Qt::Key_Z});
  PressOnKeys(resetButton, {Qt::Key_F5, Qt::Key_R});
  PressOnKeys(giveupButton, {Qt::Key_Escape});
  PressOnKeys(ChoiseButtom, {Qt::Key_Return, Qt::Key_Enter});
  connect(StageList, &QListWidget::itemDoubleClicked, ChoiseButtom, &QAbstractButton::click);
}

void MainForm::BuildMenu() {
  QMenu* gameMenu = menuBar()->addMenu(QStringLiteral("ゲーム(&G)"));
  loadMenu = gameMenu->addAction(QStringLiteral("読み込み(&O)"));
  chapterMenu = gameMenu->addMenu(QStringLiteral("ステージ集(&S)"));
  for (const Chapter& chapter : ChaptersIn(chapterFolder_)) {
    QAction* open = chapterMenu->addAction(QString::fromStdString(chapter.label));
    connect(open, &QAction::triggered, this,
            [this, chapter] { RunReportingErrors(dialogs_, [this, &chapter] { OpenChapter(chapter); }); });
  }
  chapterMenu->setEnabled(!chapterMenu->isEmpty());
  newStageMenu = gameMenu->addAction(QStringLiteral("新しいステージを作る(&N)…"));
  gameMenu->addSeparator();
  hintMenu = gameMenu->addAction(QStringLiteral("ヒント(&H)"));
  hintMenu->setShortcut(Qt::Key_H);
  hintMenu->setEnabled(false);
  gameMenu->addSeparator();
  ExitMenu = gameMenu->addAction(QStringLiteral("終了(&X)"));
  QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
  Help1 = helpMenu->addAction(QStringLiteral("目次(&C)"));
  helpMenu->addSeparator();
  About1 = helpMenu->addAction(QStringLiteral("バージョン情報(&A)"));

  Connect(loadMenu, &MainForm::loadMenuClick);
  Connect(hintMenu, &MainForm::hintMenuClick);
  Connect(newStageMenu, &MainForm::newStageMenuClick);
  Connect(ExitMenu, &MainForm::ExitMenuClick);
  Connect(Help1, &MainForm::Help1Click);
  Connect(About1, &MainForm::About1Click);
}

std::array<QWidget*, 16> MainForm::PlayControls() const {
  return {mpText,      NWallButton, WWallButton, SWallButton,  EWallButton, NMoveButton, WMoveButton, SMoveButton,
          EMoveButton, undoButton,  resetButton, giveupButton, moveText,    parText,     bestText,    ratingText};
}

void MainForm::Connect(QAbstractButton* button, void (MainForm::*handler)()) {
  connect(button, &QAbstractButton::clicked, this, [this, handler] { RunHandler(handler); });
}

void MainForm::Connect(QAction* action, void (MainForm::*handler)()) {
  connect(action, &QAction::triggered, this, [this, handler] { RunHandler(handler); });
}

void MainForm::RunHandler(void (MainForm::*handler)()) {
  RunReportingErrors(dialogs_, [this, handler] { (this->*handler)(); });
}

}  // namespace suispo
