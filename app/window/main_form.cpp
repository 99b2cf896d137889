// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's construction: the controls at their places, the fonts, the tab order and the menu.
#include "app/window/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include <utility>

#include "app/window/about_box.h"
#include "app/window/animation_pace.h"
#include "app/platform/application_title.h"
#include "app/window/error_report.h"
#include "app/window/key_presses.h"
#include "app/window/play_surface.h"
#include "app/window/transparent_ground.h"
#include "assets/pictures.h"
#include "assets/play_screen_layout.h"
#include "app/platform/window_placement.h"
#include "app/window/window_zoom.h"

namespace suispo {

namespace {

// A game button; its glyph comes at the first stage start (ReadGlyphs). It never takes the focus.
QPushButton* GlyphButton(QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setFocusPolicy(Qt::NoFocus);
  button->hide();
  return button;
}

QPushButton* TextButton(QWidget* parent, const QString& caption, Qt::FocusPolicy focus) {
  auto* button = new QPushButton(caption, parent);
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
  pace_ = std::make_unique<AnimationPace>(*parts.frameClock);
  BuildControls();
  BuildMenu();
  BuildSelectControls(centralWidget());
  ApplyZoom();
  BindKeys();
  boardView_ = std::make_unique<BoardView>(*pace_, *MainImage, PaintedScale());
  previewView_ = std::make_unique<BoardView>(noWait_, noScreen_, PaintedScale());
  MainImage->SetSurface(&boardView_->surface());
  game_ = std::make_unique<Game>(store_.dataList, *boardView_, *this);
  placement_ = new WindowPlacement(this);
  dialogForm = new AboutBox(this, fonts_, [this] { RunHandler(&MainForm::Help1Click); });
}

MainForm::~MainForm() = default;

void MainForm::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  // Fixed at the client size plus the menu bar: no resizing, no maximising.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  MainImage = new PlaySurface(client);
  PlaceControl(MainImage, {0, 0, atlas::kSurfaceWidth, atlas::kSurfaceHeight});
  MainImage->hide();

  // White digits on the dark boxes the background leaves for them; a screen reader reads the
  // caption with the number.
  for (std::size_t i = 0; i < layout::kFigures.size(); ++i) {
    const layout::Figure& row = layout::kFigures[i];
    QLabel* figure = figures_[i] = new QLabel(QStringLiteral("0"), client);
    PlaceControl(figure, row.digits, {row.digitPixels, true});
    figure->setAlignment(Qt::AlignCenter);
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
  PlaceControl(TitleImage, layout::kTitleImage);
  TitleImage->setAccessibleName(kApplicationTitle);
  TitleImage->hide();

  // By direction (north, east, south, west): the walls first, then the moves.
  const std::array<QPushButton**, 4> walls = {&NWallButton, &EWallButton, &SWallButton, &WWallButton};
  const std::array<QPushButton**, 4> moves = {&NMoveButton, &EMoveButton, &SMoveButton, &WMoveButton};
  for (std::size_t d = 0; d < walls.size(); ++d) {
    *walls[d] = GlyphButton(client);
    PlaceControl(*walls[d], layout::kWallButtons[d]);
  }
  for (std::size_t d = 0; d < moves.size(); ++d) {
    *moves[d] = GlyphButton(client);
    PlaceControl(*moves[d], layout::kMoveButtons[d]);
  }

  // What a screen reader says for the buttons that show only a picture.
  const std::pair<QPushButton*, const char*> names[] = {
      {NWallButton, "上に壁を置く"}, {EWallButton, "右に壁を置く"}, {SWallButton, "下に壁を置く"},
      {WWallButton, "左に壁を置く"}, {NMoveButton, "上へ移動"},     {EMoveButton, "右へ移動"},
      {SMoveButton, "下へ移動"},     {WMoveButton, "左へ移動"}};
  for (const auto& [button, name] : names) button->setAccessibleName(QString::fromUtf8(name));
  const std::pair<QPushButton*, const char*> keys[] = {
      {NWallButton, "Shift+↑"}, {EWallButton, "Shift+→"}, {SWallButton, "Shift+↓"}, {WWallButton, "Shift+←"},
      {NMoveButton, "↑"},       {EMoveButton, "→"},       {SMoveButton, "↓"},       {WMoveButton, "←"}};
  for (const auto& [button, key] : keys) {
    button->setToolTip(QStringLiteral("%1 (%2)").arg(button->accessibleName(), QString::fromUtf8(key)));
  }

  selectGroup = new QGroupBox(QStringLiteral("Ｓｔａｇｅ　Ｓｅｌｅｃｔ"), client);
  PlaceControl(selectGroup, layout::kSelectGroup, {12, true});
  selectGroup->setFocusPolicy(Qt::NoFocus);
  selectGroup->hide();

  StageList = new QListWidget(selectGroup);
  PlaceControl(StageList, layout::kStageList, {13, false, true});
  StageList->setSelectionMode(QAbstractItemView::SingleSelection);
  StageList->setUniformItemSizes(true);
  StageList->setFocusPolicy(Qt::StrongFocus);

  ChoiseButtom = TextButton(selectGroup, QStringLiteral("ステージ決定"), Qt::StrongFocus);
  PlaceControl(ChoiseButtom, layout::kChoiseButtom);  // the group's bold face

  resetButton = TextButton(client, QStringLiteral("やり直し"), Qt::NoFocus);
  PlaceControl(resetButton, layout::kResetButton, {11});
  resetButton->hide();
  giveupButton = TextButton(client, QStringLiteral("タイトル"), Qt::NoFocus);
  PlaceControl(giveupButton, layout::kGiveupButton, {11});
  giveupButton->hide();
  undoButton = TextButton(client, QStringLiteral("１手戻す"), Qt::StrongFocus);
  PlaceControl(undoButton, layout::kUndoButton);  // the window's face
  undoButton->hide();
  // Each button tells its keys (BindKeys).
  ChoiseButtom->setToolTip(QStringLiteral("ステージ決定 (Enter)"));
  resetButton->setToolTip(QStringLiteral("やり直し (F5, R)"));
  giveupButton->setToolTip(QStringLiteral("タイトル (Esc)"));
  undoButton->setToolTip(QStringLiteral("１手戻す (Backspace, Ctrl+Z)"));

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
  SetGlyphs();
}

void MainForm::SetGlyphs() {
  const std::pair<QPushButton*, assets::Picture> glyphs[] = {
      {NWallButton, assets::kWallGlyphs[kNorth]}, {EWallButton, assets::kWallGlyphs[kEast]},
      {SWallButton, assets::kWallGlyphs[kSouth]}, {WWallButton, assets::kWallGlyphs[kWest]},
      {NMoveButton, assets::kMoveGlyphs[kNorth]}, {EMoveButton, assets::kMoveGlyphs[kEast]},
      {SMoveButton, assets::kMoveGlyphs[kSouth]}, {WMoveButton, assets::kMoveGlyphs[kWest]}};
  for (const auto& [button, picture] : glyphs) {
    // Each glyph with its silver ground left out, at the device's pixels.
    const QPixmap glyph = ZoomedPicture(picture, zoom_ / 100.0, devicePixelRatioF());
    button->setIcon(QIcon(glyph));
    button->setIconSize(glyph.deviceIndependentSize().toSize());
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
  QMenu* speed = gameMenu->addMenu(QStringLiteral("アニメーションの速さ(&A)"));
  auto* speeds = new QActionGroup(speed);
  const std::pair<AnimationSpeed, const char*> choices[] = {
      {AnimationSpeed::kNormal, "ふつう"}, {AnimationSpeed::kFast, "はやい"}, {AnimationSpeed::kNone, "なし"}};
  for (const auto& [pace, caption] : choices) {
    QAction* choice = speedMenu.at(static_cast<std::size_t>(pace)) = speed->addAction(QString::fromUtf8(caption));
    choice->setCheckable(true);
    speeds->addAction(choice);
    connect(choice, &QAction::triggered, this, [this, pace] { SetAnimationSpeed(pace); });
  }
  speedMenu[0]->setChecked(true);
  gameMenu->addSeparator();
  ExitMenu = gameMenu->addAction(QStringLiteral("終了(&X)"));
  QMenu* zoomMenuList = menuBar()->addMenu(QStringLiteral("表示(&V)"))->addMenu(QStringLiteral("拡大(&Z)"));
  auto* zooms = new QActionGroup(this);
  for (std::size_t i = 0; i < zoomMenu.size(); ++i) {
    const int percent = kZoomSteps[i];
    zoomMenu[i] = zoomMenuList->addAction(QStringLiteral("%1 %").arg(percent));
    zoomMenu[i]->setCheckable(true);
    zoomMenu[i]->setChecked(percent == zoom_);
    zooms->addAction(zoomMenu[i]);
    connect(zoomMenu[i], &QAction::triggered, this,
            [this, percent] { RunReportingErrors(dialogs_, [this, percent] { SetZoom(percent); }); });
  }
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

void MainForm::PlaceControl(QWidget* control, layout::Rect place, FontSpec font) {
  placed_.push_back({control, place, font});
}

void MainForm::ApplyZoom() {
  const double zoom = zoom_ / 100.0;
  setFont(fonts_.Proportional(Zoomed(12, zoom)));
  // Fixed at the client size plus the menu bar at every zoom: no resizing, no maximising.
  centralWidget()->setFixedSize(Zoomed(layout::kClientWidth, zoom), Zoomed(layout::kClientHeight, zoom));
  for (const PlacedControl& placed : placed_) {
    placed.control->setGeometry(Zoomed(placed.place, zoom));
    if (placed.font.pixels == 0) continue;
    const int pixels = Zoomed(placed.font.pixels, zoom);
    placed.control->setFont(placed.font.fixedPitch ? fonts_.Fixed(pixels) : fonts_.Proportional(pixels, placed.font.bold));
  }
  MainImage->SetZoom(zoom);
  TitleImage->setPixmap(ZoomedPicture(assets::kTitle, zoom, devicePixelRatioF()));
  if (glyphsRead_) SetGlyphs();
  SizeListRows();
}

int MainForm::PaintedScale() const { return assets::PaintedScaleFor(zoom_ / 100.0 * devicePixelRatioF()); }

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
