// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The window at start, the stage select screen, choosing a stage and Game > Open.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "app/window/play_surface.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

const std::string kCells(72, '0');

TEST_F(WindowTest, StartsOnTheStageSelectScreenWithTheFirstBuiltInStageSelected) {
  Start();
  EXPECT_TRUE(dialogs().errors.empty());
  EXPECT_TRUE(OnStageSelect());
  for (QWidget* control : PlayControls()) EXPECT_FALSE(control->isVisible());
  ASSERT_EQ(Control<QListWidget>("StageList")->count(), 5);
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(), QStringLiteral("　 練習ステージ"));
  EXPECT_EQ(Control<QListWidget>("StageList")->item(4)->text(), QStringLiteral("　 「惑う」かな？"));
  EXPECT_EQ(SelectedRow(), 0);
  EXPECT_EQ(Play().game().inputReady, 0);
  // No file is written before a clear or the close.
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path(kGeneratedName))));
}

TEST_F(WindowTest, WindowIsFixedWithItsCaptionAndGameButtonsTakeNoFocus) {
  Start();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("すいすいぽ。"));
  EXPECT_EQ(form->centralWidget()->size(), QSize(512, 352));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(Control<QPushButton>("NMoveButton")->geometry(), QRect(396, 188, 33, 33));
  EXPECT_EQ(Control<QPushButton>("EMoveButton")->geometry(), QRect(430, 224, 33, 33));
  EXPECT_EQ(Control<QPushButton>("ChoiseButtom")->mapTo(form->centralWidget(), QPoint(0, 0)),
            QPoint(layout::kSelectGroup.left + layout::kChoiseButtom.left, layout::kSelectGroup.top + layout::kChoiseButtom.top));
  for (QWidget* control : PlayControls()) {
    if (control != Control<QPushButton>("undoButton") && control != Control<QLabel>("mpText")) {
      EXPECT_EQ(control->focusPolicy(), Qt::NoFocus);
    }
  }
  // The group's caption and button are bold; its list of stages is not.
  EXPECT_TRUE(Control<QPushButton>("ChoiseButtom")->font().bold());
  EXPECT_FALSE(Control<QListWidget>("StageList")->font().bold());
  EXPECT_TRUE(Control<QListWidget>("StageList")->font().fixedPitch());
  EXPECT_TRUE(Control<QListWidget>("StageList")->focusPolicy() & Qt::TabFocus);
  QApplication::setActiveWindow(form.get());
  Control<QListWidget>("StageList")->setFocus();
  QTest::keyClick(Control<QListWidget>("StageList"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Control<QPushButton>("ChoiseButtom"));
}

TEST_F(WindowTest, ListsClearedMarksAndLinesOf75BytesAndShorter) {
  UseStageFile({kCells + "000not yet", kCells + "011done", kCells + "01x" + "other mark", kCells + "010",
                kCells + "01", ""});
  Start();
  ASSERT_EQ(Control<QListWidget>("StageList")->count(), 6);
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(), QStringLiteral("　 not yet"));
  EXPECT_EQ(Control<QListWidget>("StageList")->item(1)->text(), QStringLiteral("☆ done"));
  EXPECT_EQ(Control<QListWidget>("StageList")->item(2)->text(), QStringLiteral("☆ other mark"));
  EXPECT_EQ(Control<QListWidget>("StageList")->item(3)->text(),
            QStringLiteral("　 "));  // exactly 75 bytes: the mark alone
  EXPECT_EQ(Control<QListWidget>("StageList")->item(4)->text(), QStringLiteral("☆ "));  // shorter: listed as cleared
  EXPECT_EQ(Control<QListWidget>("StageList")->item(5)->text(), QStringLiteral("☆ "));
}

TEST_F(WindowTest, ChoosingAStageShowsThePlayScreenWithItsPicture) {
  Start();
  Choose(1);
  EXPECT_TRUE(OnPlayScreen());
  for (QWidget* control : PlayControls()) EXPECT_TRUE(control->isVisible());
  EXPECT_FALSE(Control<QLabel>("TitleImage")->isVisible());
  EXPECT_FALSE(Control<QAction>("loadMenu")->isEnabled());
  EXPECT_EQ(Play().game().stageIndex, 1);
  EXPECT_EQ(Play().game().inputReady, 1);
  EXPECT_EQ(Control<QLabel>("mpText")->text(), QStringLiteral("2"));
  EXPECT_FALSE(Control<QPushButton>("undoButton")->isEnabled());
  // The surface widget shows the view's play surface as drawn.
  const QImage shown = Control<PlaySurface>("MainImage")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, Play().view().surface().convertToFormat(QImage::Format_RGB32));
}

TEST_F(WindowTest, EnterAndADoubleClickOnALineStartTheSelectedStage) {
  Start();
  Control<QListWidget>("StageList")->setFocus();
  Type(Qt::Key_Down);
  Type(Qt::Key_Down);
  Type(Qt::Key_Return);
  EXPECT_TRUE(OnPlayScreen());
  EXPECT_EQ(Play().game().stageIndex, 2);
  Type(Qt::Key_Return);  // on the play screen Enter does nothing
  EXPECT_TRUE(dialogs().questions.empty());

  dialogs().answers = {true};
  Click(Control<QPushButton>("giveupButton"));
  ASSERT_TRUE(OnStageSelect());
  const QRect line = Control<QListWidget>("StageList")->visualItemRect(Control<QListWidget>("StageList")->item(4));
  QTest::mouseClick(Control<QListWidget>("StageList")->viewport(), Qt::LeftButton, {}, line.center());
  EXPECT_TRUE(OnStageSelect());  // one click only selects
  QTest::mouseDClick(Control<QListWidget>("StageList")->viewport(), Qt::LeftButton, {}, line.center());
  EXPECT_TRUE(OnPlayScreen());
  EXPECT_EQ(Play().game().stageIndex, 4);
}

TEST_F(WindowTest, ChoosingWithNoSelectedLineDoesNothing) {
  UseStageFile({EastClearLine("one"), EastClearLine("two")});
  Start();
  ASSERT_EQ(Control<QListWidget>("StageList")->count(), 2);
  Control<QListWidget>("StageList")->clearSelection();
  Click(Control<QPushButton>("ChoiseButtom"));
  EXPECT_TRUE(OnStageSelect());
  EXPECT_EQ(Play().game().inputReady, 0);
  EXPECT_TRUE(dialogs().errors.empty());
}

TEST_F(WindowTest, AStageThatFailsToStartLeavesTheStageSelectScreenUsable) {
  UseStageFile({kCells.substr(0, 36) + std::string(36, '0') + "x10broken", EastClearLine("good")});
  Start();
  Choose(0);
  ASSERT_EQ(dialogs().errors.size(), 1u);
  EXPECT_EQ(dialogs().errors[0].text, QStringLiteral("'x1' は整数ではありません."));
  EXPECT_TRUE(OnStageSelect());
  EXPECT_FALSE(Control<QPushButton>("undoButton")->isVisible());
  Choose(1);
  EXPECT_TRUE(OnPlayScreen());
}

TEST_F(WindowTest, AStageFileRefusedAtStartLeavesGameOpenAvailable) {
  UseStageFile({std::string(5000, '0')});  // a line longer than any stage line can be
  Start();
  ASSERT_EQ(dialogs().errors.size(), 1u);
  EXPECT_FALSE(Control<QGroupBox>("selectGroup")->isVisible());
  EXPECT_TRUE(Control<QAction>("loadMenu")->isEnabled());
  WriteFile("good.ssp", test::StageFileText({EastClearLine("good")}));
  dialogs().chosenFile = QString::fromStdString(Path("good.ssp"));
  Control<QAction>("loadMenu")->trigger();
  EXPECT_TRUE(OnStageSelect());
  EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(WindowTest, AGoneRememberedFileIsReportedOverTheBuiltInStages) {
  WriteFile("suispo.ini", "[FileName]\r\ndatafile=/no/such/folder/mine.ssp\r\n");
  Start();
  ASSERT_EQ(dialogs().errors.size(), 1u);
  EXPECT_EQ(dialogs().errors[0].text, QStringLiteral("ファイル /no/such/folder/mine.ssp は開けません."));
  EXPECT_TRUE(OnStageSelect());
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 5);
  EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(WindowTest, GameOpenIsOnlyOnTheStageSelectScreenAndSelectsWhereThePlayerLeftEachFile) {
  Start();
  Choose(2);
  EXPECT_FALSE(Control<QAction>("loadMenu")->isEnabled());
  dialogs().answers = {true};
  Click(Control<QPushButton>("giveupButton"));
  ASSERT_TRUE(OnStageSelect());

  dialogs().chosenFile = std::nullopt;  // cancelled: nothing changes
  Control<QAction>("loadMenu")->trigger();
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 5);
  EXPECT_EQ(SelectedRow(), 2);

  std::vector<std::string> four;
  for (int i = 0; i < 4; ++i) four.push_back(EastClearLine("four " + std::to_string(i)));
  four[0] = MarkedCleared(four[0]);
  WriteFile("four.ssp", test::StageFileText(four));
  dialogs().chosenFile = QString::fromStdString(Path("four.ssp"));
  Control<QAction>("loadMenu")->trigger();
  ASSERT_EQ(Control<QListWidget>("StageList")->count(), 4);
  EXPECT_EQ(Control<QListWidget>("StageList")->item(2)->text(), QStringLiteral("　 four 2"));
  EXPECT_EQ(SelectedRow(), 1);  // opened for the first time: its first stage not cleared
  Choose(3);
  dialogs().answers = {true};
  Click(Control<QPushButton>("giveupButton"));
  EXPECT_EQ(form->store().dataFileName, "four.ssp");

  WriteFile("two.ssp", test::StageFileText({EastClearLine("a"), EastClearLine("b")}));
  dialogs().chosenFile = QString::fromStdString(Path("two.ssp"));
  Control<QAction>("loadMenu")->trigger();
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 2);
  EXPECT_EQ(SelectedRow(), 0);
  dialogs().chosenFile = QString::fromStdString(Path("four.ssp"));
  Control<QAction>("loadMenu")->trigger();
  EXPECT_EQ(SelectedRow(), 3);  // the stage last played there
  EXPECT_EQ(dialogs().fileChoices, 4);
  EXPECT_TRUE(dialogs().errors.empty());
}

// The first screen reads what it shows: the searches of the preview's par and rating start once the
// window is painted; the other files' progress comes from a worker (shelf_progress_test.cpp).
TEST_F(WindowTest, TheFirstScreenSearchesOnceOnTheScreen) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("shipped"));
  WriteFile("shipped/1-walls.ssp", test::StageFileText({EastClearLine("first")}));
  Start();
  EXPECT_TRUE(Control<QLineEdit>("previewParText")->text().isEmpty());  // not even started: "…"
  QMenu* files = Control<QPushButton>("fileChooser")->menu();
  ASSERT_TRUE(QTest::qWaitFor([&] { return files->actions().at(1)->text() == QStringLiteral("1 壁 ★0 ☆0/1"); }, 10000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Select().previewPar() != PuzzleFacts::kPending; }, 10000));
}

TEST_F(WindowTest, ThePreviewShowsTheSelectedStageItsParAndRatingComeWithoutHoldingTheList) {
  Start();
  // The window on the screen, as a player finds it: the preview's searches have started.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Control<QLineEdit>("previewParText")->text().isEmpty(); }, 10000));
  EXPECT_EQ(Control<QPushButton>("fileChooser")->accessibleName(), QStringLiteral("ステージ集"));
  Control<QListWidget>("StageList")->setCurrentRow(4);
  // Stage 5 is searched on a worker: the list has its answer later, and moves on meanwhile.
  EXPECT_EQ(Select().previewPar(), PuzzleFacts::kPending);
  EXPECT_EQ(Control<QLineEdit>("previewParText")->text(), QStringLiteral("…"));
  Control<QListWidget>("StageList")->setCurrentRow(0);
  EXPECT_EQ(SelectedRow(), 0);
  EXPECT_FALSE(Control<QLabel>("previewImage")->pixmap().isNull());
  EXPECT_EQ(Control<QLineEdit>("previewBestText")->text(), QStringLiteral("—"));
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return Control<QLineEdit>("previewParText")->text() == QStringLiteral("7"); }, 10000));
  // The rating comes the same way, as round marks that no record's ★ looks like.
  ASSERT_TRUE(QTest::qWaitFor([&] { return Select().previewRating() != PuzzleFacts::kPending; }, 10000));
  EXPECT_EQ(Control<QLineEdit>("previewRatingText")->text(), QString(Select().previewRating(), QChar(0x25CF)));
  EXPECT_EQ(Control<QLineEdit>("previewRatingText")->accessibleDescription(),
            QString::number(Select().previewRating()));
  const int rating = Select().previewRating();
  Choose(0);
  EXPECT_EQ(Control<QLabel>("parText")->text(), QStringLiteral("7"));  // known already: no second search
  EXPECT_EQ(Play().rating(), rating);
}

TEST_F(WindowTest, ThePreviewsTooltipCountsTheStagesPiecesThenItsKeysAndWallPoints) {
  UseStageFile({StageOf(R"(
    +---+---+---+---+---+---+
    |[.]  .   K   >   O   D |
    +...+   +   +   +   +   +
    | ^   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +   +   +   +   +   +   +
    | .   .   .   .   .   . |
    +---+---+---+---+---+---+)",
                        "02")});
  Start();
  EXPECT_EQ(Control<QLabel>("previewImage")->toolTip(), QStringLiteral("穴 1・矢印 2・市松の辺 1、鍵 1、置ける壁 2"));
}

TEST_F(WindowTest, EveryButtonOfBothScreensTellsItsKeys) {
  Start();
  for (QPushButton* button :
       {Control<QPushButton>("NWallButton"), Control<QPushButton>("EWallButton"), Control<QPushButton>("SWallButton"),
        Control<QPushButton>("WWallButton"), Control<QPushButton>("NMoveButton"), Control<QPushButton>("EMoveButton"),
        Control<QPushButton>("SMoveButton"), Control<QPushButton>("WMoveButton"), Control<QPushButton>("undoButton"),
        Control<QPushButton>("resetButton"), Control<QPushButton>("giveupButton"),
        Control<QPushButton>("ChoiseButtom")}) {
    const QString name = button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
    EXPECT_TRUE(button->toolTip().startsWith(name + QStringLiteral(" ("))) << button->toolTip().toStdString();
    EXPECT_TRUE(button->toolTip().endsWith(QLatin1Char(')'))) << button->toolTip().toStdString();
  }
  EXPECT_EQ(Control<QPushButton>("EWallButton")->toolTip(), QStringLiteral("右に壁を置く (Shift+→)"));
  EXPECT_EQ(Control<QPushButton>("undoButton")->toolTip(), QStringLiteral("１手戻す (Backspace, Ctrl+Z)"));
  EXPECT_FALSE(Control<QPushButton>("fileChooser")->toolTip().isEmpty());
  ASSERT_TRUE(Control<QListWidget>("StageList")->hasFocus());
  Type(Qt::Key_Tab);
  Type(Qt::Key_Tab);
  EXPECT_TRUE(Control<QPushButton>("fileChooser")->hasFocus());  // the list, ステージ決定, then the chooser
}


TEST_F(WindowTest, TheClearsVerdictStaysBesideThePreviewUntilAnotherStageIsPlayed) {
  UseStageFile({EastClearLine("first"), EastClearLine("second")});
  WriteFile("suispo.ini", "[FileName]\r\ndatafile=test.ssp\r\n[Animation]\r\nspeed=none\r\n");
  Start();
  Choose(0);
  WaitForPar();
  Click(Control<QPushButton>("EMoveButton"));
  ASSERT_TRUE(OnStageSelect());
  QLabel* verdict = Control<QLabel>(QStringLiteral("結果"));
  QTest::qWait(200);  // the list is back; the verdict holds
  EXPECT_TRUE(verdict->isVisible());
  EXPECT_EQ(verdict->text(), QStringLiteral("1手でクリア（最短 1手）★ 新記録！"));
  EXPECT_EQ(verdict->accessibleName(), QStringLiteral("結果"));
  EXPECT_EQ(verdict->toolTip(), QStringLiteral("「first」のクリア"));
  // A screen reader reads a label's name and description, not its text.
  EXPECT_TRUE(verdict->accessibleDescription().endsWith(verdict->text()));

  dialogs().answers = {true};
  Choose(1);
  Click(Control<QPushButton>("giveupButton"));
  ASSERT_TRUE(OnStageSelect());
  EXPECT_FALSE(verdict->isVisible());
}

}  // namespace
}  // namespace suispo::test
