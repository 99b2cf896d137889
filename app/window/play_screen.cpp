// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The play screen's construction: the board, the figures and the buttons at their places, the keys.
#include "app/window/play_screen.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <utility>

#include "view/figure_captions.h"
#include "app/window/animation_pace.h"
#include "app/window/handler_connection.h"
#include "app/window/key_presses.h"
#include "app/window/play_surface.h"
#include "app/window/window_zoom.h"
#include "assets/pictures.h"

namespace suispo {

namespace {

// A game button; its glyph comes at the first stage start (ReadGlyphs). It never takes the focus.
QPushButton* GlyphButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QPushButton* TextButton(QWidget* parent, const char* name, const QString& caption, Qt::FocusPolicy focus) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFocusPolicy(focus);
  return button;
}

// The figures' names, by their rows in layout::kFigures.
constexpr std::array<const char*, layout::kFigures.size()> kFigureNames = {"mpText", "moveText", "parText", "bestText",
                                                                           "ratingText"};

}  // namespace

PlayScreen::PlayScreen(const ScreenParts& parts, AnimationPace& pace, Exits exits,
                       const std::vector<StageLine>* trialLines)
    : Screen(parts), pace_(pace), exits_(std::move(exits)), trial_(trialLines != nullptr) {
  setObjectName(trial_ ? QStringLiteral("TrialPlayScreen") : QStringLiteral("PlayScreen"));
  BuildControls();
  BindKeys();
  boardView_ = std::make_unique<BoardView>(pace_, *MainImage, PaintedScale());
  MainImage->SetSurface(&boardView_->surface());
  game_ = std::make_unique<Game>(trial_ ? *trialLines : store_.dataList, *boardView_, *this);
  game_->stageNames = &store_.stageNames;
  if (trial_) {
    giveupButton->setText(tr("エディタ"));
    giveupButton->setToolTip(tr("ステージエディタに戻る (Esc)"));
  }
}

PlayScreen::~PlayScreen() = default;

void PlayScreen::BuildControls() {
  MainImage = new PlaySurface(this);
  MainImage->setObjectName(QStringLiteral("MainImage"));
  PlaceControl(MainImage, {0, 0, atlas::kSurfaceWidth, atlas::kSurfaceHeight});

  // White digits on the dark boxes the background leaves for them; a screen reader reads the
  // caption with the number.
  for (std::size_t i = 0; i < layout::kFigures.size(); ++i) {
    const layout::Figure& row = layout::kFigures[i];
    QLabel* figure = figures_[i] = new QLabel(QStringLiteral("0"), this);
    figure->setObjectName(QString::fromLatin1(kFigureNames[i]));
    PlaceControl(figure, row.digits, {row.digitPixels, true});
    figure->setAlignment(Qt::AlignCenter);
    QPalette white = figure->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    figure->setPalette(white);
    figure->setAccessibleName(FigureCaption(i));
  }

  // By direction (north, east, south, west): the walls first, then the moves.
  const char* const wallNames[] = {"NWallButton", "EWallButton", "SWallButton", "WWallButton"};
  const char* const moveNames[] = {"NMoveButton", "EMoveButton", "SMoveButton", "WMoveButton"};
  for (std::size_t d = 0; d < wallButtons_.size(); ++d) {
    wallButtons_[d] = GlyphButton(this, wallNames[d]);
    PlaceControl(wallButtons_[d], layout::kWallButtons[d]);
  }
  for (std::size_t d = 0; d < moveButtons_.size(); ++d) {
    moveButtons_[d] = GlyphButton(this, moveNames[d]);
    PlaceControl(moveButtons_[d], layout::kMoveButtons[d]);
  }

  // What a screen reader says for the buttons that show only a picture, and their keys.
  const std::array<QString, 4> wallSpoken = {tr("上に壁を置く"), tr("右に壁を置く"), tr("下に壁を置く"),
                                             tr("左に壁を置く")};
  const std::array<QString, 4> moveSpoken = {tr("上へ移動"), tr("右へ移動"), tr("下へ移動"), tr("左へ移動")};
  const char* const arrows[] = {"↑", "→", "↓", "←"};
  for (std::size_t d = 0; d < 4; ++d) {
    const QString arrow = QString::fromUtf8(arrows[d]);
    wallButtons_[d]->setAccessibleName(wallSpoken[d]);
    wallButtons_[d]->setToolTip(QStringLiteral("%1 (Shift+%2)").arg(wallSpoken[d], arrow));
    moveButtons_[d]->setAccessibleName(moveSpoken[d]);
    moveButtons_[d]->setToolTip(QStringLiteral("%1 (%2)").arg(moveSpoken[d], arrow));
  }

  resetButton = TextButton(this, "resetButton", tr("やり直し"), Qt::NoFocus);
  PlaceControl(resetButton, layout::kResetButton, {11});
  giveupButton = TextButton(this, "giveupButton", tr("タイトル"), Qt::NoFocus);
  PlaceControl(giveupButton, layout::kGiveupButton, {11});
  undoButton = TextButton(this, "undoButton", tr("１手戻す"), Qt::StrongFocus);
  PlaceControl(undoButton, layout::kUndoButton);  // the window's face
  // Each button tells its keys (BindKeys).
  resetButton->setToolTip(tr("やり直し (F5, R)"));
  giveupButton->setToolTip(tr("タイトル (Esc)"));
  undoButton->setToolTip(tr("１手戻す (Backspace, Ctrl+Z)"));

  hintMark = new QLabel(tr("ヒ"), this);
  hintMark->setObjectName(QStringLiteral("hintMark"));
  PlaceControl(hintMark, layout::kHintMark, {9, true});
  QPalette yellow = hintMark->palette();
  yellow.setColor(QPalette::WindowText, QColor(255, 216, 74));
  hintMark->setPalette(yellow);
  hintMark->setAccessibleName(tr("ヒント使用"));
  hintMark->setToolTip(
      tr("ヒントを使ったので、このプレイのクリアに★はつきません（やり直しても消えず、ステージを選び直すと消えます）"));
  hintMark->hide();

  const std::array<void (PlayScreen::*)(), 4> walls = {&PlayScreen::NWallButtonClick, &PlayScreen::EWallButtonClick,
                                                       &PlayScreen::SWallButtonClick, &PlayScreen::WWallButtonClick};
  const std::array<void (PlayScreen::*)(), 4> moves = {&PlayScreen::NMoveButtonClick, &PlayScreen::EMoveButtonClick,
                                                       &PlayScreen::SMoveButtonClick, &PlayScreen::WMoveButtonClick};
  for (std::size_t d = 0; d < 4; ++d) {
    Connect(moveButtons_[d], moves[d]);
    Connect(wallButtons_[d], walls[d]);
  }
  Connect(undoButton, &PlayScreen::undoButtonClick);
  Connect(resetButton, &PlayScreen::resetButtonClick);
  Connect(giveupButton, &PlayScreen::giveupButtonClick);
}

void PlayScreen::Connect(QPushButton* button, void (PlayScreen::*handler)()) {
  OnClick(button, dialogs_, [this, handler] { (this->*handler)(); });
}

void PlayScreen::BindKeys() {
  const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left};
  for (std::size_t d = 0; d < 4; ++d) {
    PressOnKeys(moveButtons_[d], {arrows[d]});
    PressOnKeys(wallButtons_[d], {Qt::SHIFT | arrows[d]});
  }
  PressOnKeys(undoButton, {Qt::Key_Backspace, Qt::CTRL | Qt::Key_Z});
  PressOnKeys(resetButton, {Qt::Key_F5, Qt::Key_R});
  PressOnKeys(giveupButton, {Qt::Key_Escape});
}

void PlayScreen::ReadGlyphs() {
  if (glyphsRead_) return;
  glyphsRead_ = true;
  SetGlyphs();
}

void PlayScreen::SetGlyphs() {
  for (std::size_t d = 0; d < 4; ++d) {
    const std::pair<QPushButton*, assets::Picture> glyphs[] = {{wallButtons_[d], assets::kWallGlyphs[d]},
                                                               {moveButtons_[d], assets::kMoveGlyphs[d]}};
    for (const auto& [button, picture] : glyphs) {
      // Each glyph with its silver ground left out, at the device's pixels.
      const QPixmap glyph = ZoomedPicture(picture, zoom(), devicePixelRatioF());
      button->setIcon(QIcon(glyph));
      button->setIconSize(glyph.deviceIndependentSize().toSize());
    }
  }
}

void PlayScreen::ZoomChanged() {
  MainImage->SetZoom(zoom());
  if (glyphsRead_) SetGlyphs();
  // The board is drawn at the new scale from the next stage start; a board on screen is shown scaled.
  if (isHidden() && boardView_) boardView_->SetScale(PaintedScale());
}

}  // namespace suispo
