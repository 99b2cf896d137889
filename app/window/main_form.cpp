// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's construction: the client area with its screens, the menu, and the screen in front.
#include "app/window/stage_shelf.h"
#include "app/window/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>

#include <utility>

#include "app/platform/application_title.h"
#include "app/platform/window_placement.h"
#include "app/window/about_box.h"
#include "app/window/animation_pace.h"
#include "app/window/editor/stage_editor_screen.h"
#include "app/window/error_report.h"
#include "app/window/language_menu.h"
#include "app/window/play_rules_menu.h"
#include "app/window/play_screen.h"
#include "app/window/share_code_actions.h"
#include "app/window/sound_menu.h"
#include "app/window/stage_select_screen.h"
#include "app/window/window_zoom.h"
#include "assets/pictures.h"
#include "view/literal_text.h"

namespace suispo {

MainForm::MainForm(const MainFormParts& parts)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(*parts.dialogs),
      openUrl_(parts.openUrl),
      helpPage_(parts.helpPage),
      chapterFolder_(parts.chapterFolder),
      now_(parts.now),
      store_(parts.settingsRead != nullptr ? std::move(*parts.settingsRead) : StageStore(parts.places, parts.now)),
      pace_(std::make_unique<AnimationPace>(*parts.frameClock)) {
  // The English names of the stages lie beside the collection; Japanese reads the files' own.
  if (parts.language == Language::kEnglish) store_.stageNames = ReadNameTable(chapterFolder_ + "names_en.tsv");
  setWindowTitle(ApplicationTitle());
  QIcon icon;
  for (const assets::Picture& size : assets::kIcons) icon.addPixmap(QPixmap::fromImage(assets::ReadPicture(size)));
  setWindowIcon(icon);
  setFont(fonts_.Proportional(12));
  auto* client = new QWidget(this);
  setCentralWidget(client);
  // Fixed at the client size plus the menu bar: no resizing, no maximising.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // A new screen: made here with the parts, added to screens_, brought to the front by ShowScreen.
  const ScreenParts screenParts{client, *this, store_, dialogs_, facts_, fonts_};
  play_ = new PlayScreen(
      screenParts, *pace_,
      {[this](int stageIndex) { select_->MarkStageCleared(stageIndex); }, [this] { select_->ShowStageSelect(); }});
  select_ = new StageSelectScreen(screenParts, *play_, chapterFolder_, parts.readShelf);
  editor_ = new StageEditorScreen(screenParts, *pace_, now_, [this] { select_->ShowStageSelect(); });
  select_->SetEditStage([this](int row) { editor_->OpenStage(row); });
  screens_ = {select_, play_, editor_, &editor_->trial()};
  BuildMenu();
  ApplyZoom();
  placement_ = new WindowPlacement(this);
  dialogForm = new AboutBox(this, fonts_, [this] { RunReportingErrors(dialogs_, [this] { Help1Click(); }); });
  dialogForm->setObjectName(QStringLiteral("dialogForm"));
}

// The screens go first: they read the store and the facts to the end.
MainForm::~MainForm() {
  delete editor_;
  delete select_;
  delete play_;
}

QAction* MainForm::MenuItem(QMenu* menu, const char* name, const QString& caption, std::function<void()> handler) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  connect(item, &QAction::triggered, this,
          [this, handler = std::move(handler)] { RunReportingErrors(dialogs_, handler); });
  return item;
}

void MainForm::BuildMenu() {
  QMenu* gameMenu = menuBar()->addMenu(tr("ゲーム(&G)"));
  loadMenu = MenuItem(gameMenu, "loadMenu", tr("読み込み(&O)"), [this] { loadMenuClick(); });
  chapterMenu = gameMenu->addMenu(tr("ステージ集(&S)"));
  chapterMenu->setObjectName(QStringLiteral("chapterMenu"));
  for (const Chapter& chapter : ChaptersIn(chapterFolder_)) {
    MenuItem(chapterMenu, "chapter", LiteralCaption(ChapterLabel(chapter.label)),
             [this, chapter] { select_->OpenChapter(chapter); });
  }
  chapterMenu->setEnabled(!chapterMenu->isEmpty());
  connect(chapterMenu, &QMenu::aboutToShow, this, [this] { select_->LabelChapters(*chapterMenu); });
  newStageMenu = MenuItem(gameMenu, "newStageMenu", tr("新しいステージを作る(&N)…"), [this] { newStageMenuClick(); });
  editStageMenu = MenuItem(gameMenu, "editStageMenu", tr("ステージを編集(&E)…"), [this] { editStageMenuClick(); });
  editStageMenu->setShortcut(Qt::CTRL | Qt::Key_E);
  blankStageMenu = MenuItem(gameMenu, "blankStageMenu", tr("白紙のステージ(&B)…"), [this] { blankStageMenuClick(); });
  new ShareCodeActions(*gameMenu, {*select_, *play_, *editor_, store_, dialogs_, now_}, this);
  gameMenu->addSeparator();
  // The hint of the play in front: a stage's, or the stage editor's test play.
  hintMenu = MenuItem(gameMenu, "hintMenu", tr("ヒント(&H)"), [this] {
    (editor_->trial().isVisible() ? &editor_->trial() : play_)->hintMenuClick();
  });
  hintMenu->setShortcut(Qt::Key_H);
  hintMenu->setEnabled(false);
  QMenu* speed = gameMenu->addMenu(tr("アニメーションの速さ(&A)"));
  auto* speeds = new QActionGroup(speed);
  const std::pair<AnimationSpeed, QString> choices[] = {{AnimationSpeed::kNormal, tr("ふつう")},
                                                        {AnimationSpeed::kFast, tr("はやい")},
                                                        {AnimationSpeed::kNone, tr("なし")}};
  for (const auto& choiceRow : choices) {
    const AnimationSpeed pace = choiceRow.first;  // a plain copy: clang 14 cannot capture a binding
    const std::size_t i = static_cast<std::size_t>(pace);
    QAction* choice = speedMenu.at(i) = speed->addAction(choiceRow.second);
    choice->setObjectName(QStringLiteral("speedMenu%1").arg(i));
    choice->setCheckable(true);
    speeds->addAction(choice);
    connect(choice, &QAction::triggered, this, [this, pace] { SetAnimationSpeed(pace); });
  }
  speedMenu[0]->setChecked(true);
  sound_ = new SoundMenu(*gameMenu, store_, this);
  PlayRulesMenu::Add(*gameMenu, store_, play_->game());
  gameMenu->addSeparator();
  MenuItem(gameMenu, "ExitMenu", tr("終了(&X)"), [this] { ExitMenuClick(); });
  QMenu* viewMenu = menuBar()->addMenu(tr("表示(&V)"));
  QMenu* zoomMenuList = viewMenu->addMenu(tr("拡大(&Z)"));
  zoomMenuList->setToolTipsVisible(true);  // a zoom too large for the screen says why it is grey
  auto* zooms = new QActionGroup(this);
  for (std::size_t i = 0; i < zoomMenu.size(); ++i) {
    const int percent = kZoomSteps[i];
    zoomMenu[i] =
        MenuItem(zoomMenuList, "zoomMenu", QStringLiteral("%1 %").arg(percent), [this, percent] { SetZoom(percent); });
    zoomMenu[i]->setObjectName(QStringLiteral("zoomMenu%1").arg(i));
    zoomMenu[i]->setCheckable(true);
    zoomMenu[i]->setChecked(percent == zoom_);
    zooms->addAction(zoomMenu[i]);
  }
  LanguageMenu::Add(viewMenu, store_, dialogs_, this);
  QMenu* helpMenu = menuBar()->addMenu(tr("ヘルプ(&H)"));
  MenuItem(helpMenu, "Help1", tr("目次(&C)"), [this] { Help1Click(); });
  helpMenu->addSeparator();
  MenuItem(helpMenu, "About1", tr("バージョン情報(&A)"), [this] { About1Click(); });
}

void MainForm::ApplyZoom() {
  const double zoom = zoom_ / 100.0;
  const QFont font = fonts_.Proportional(Zoomed(12, zoom));
  // The windows of their own take the application's face: dialogs, message boxes, menus, popups and
  // tooltips grow with the window.
  QApplication::setFont(font);
  setFont(font);
  // Fixed at the client size plus the menu bar at every zoom: no resizing, no maximising.
  centralWidget()->setFixedSize(Zoomed(layout::kClientWidth, zoom), Zoomed(layout::kClientHeight, zoom));
  for (Screen* screen : screens_) screen->ApplyZoom(zoom);
}

void MainForm::ShowScreen(Screen* shown) {
  // The others go first, as the focus does not pass to the screen coming.
  for (Screen* screen : screens_) {
    if (screen != shown) screen->hide();
  }
  if (shown != nullptr) shown->show();
  const MenuUse use = shown != nullptr ? shown->menus() : MenuUse{};
  loadMenu->setEnabled(use.files);
  chapterMenu->setEnabled(use.files && !chapterMenu->isEmpty());
  newStageMenu->setEnabled(use.files);
  editStageMenu->setEnabled(use.files);
  blankStageMenu->setEnabled(use.files);
  hintMenu->setEnabled(use.hint);
}

}  // namespace suispo
