// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Help opens the page in the desktop's viewer or the game's own window; the About box is one modeless window.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

#include "app/window/about_box.h"
#include "app/window/help_window.h"
#include "app/window/transparent_ground.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

class HelpTest : public WindowTest {
 protected:
  // The page as the game's own help window shows it.
  QTextBrowser* Browser() { return ControlOf<QTextBrowser>(*Control<HelpWindow>("helpWindow"), "browser"); }
};

TEST(CentredOver, PutsTheBoxsMiddleOverTheWindowsMiddle) {
  EXPECT_EQ(CentredOver(QRect(100, 50, 520, 406), QSize(306, 196)), QPoint(207, 155));
  EXPECT_EQ(CentredOver(QRect(0, 0, 200, 100), QSize(306, 196)), QPoint(-53, -48));
}

TEST_F(WindowTest, AboutShowsOneModelessBoxPlacedAgainAndEnterHidesIt) {
  Start();
  Control<QAction>("About1")->trigger();
  AboutBox* box = Control<AboutBox>("dialogForm");
  ASSERT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(box->windowTitle(), QStringLiteral("バージョン情報"));
  EXPECT_EQ(box->size(), QSize(298, 169));
  EXPECT_EQ(ControlOf<QLabel>(*box, "Label3")->text(), AboutLinkText());
  EXPECT_TRUE(ControlOf<QLabel>(*box, "Label2")->text().startsWith(QStringLiteral("By ")));

  box->move(5, 5);
  Control<QAction>("About1")->trigger();
  EXPECT_EQ(form->findChildren<AboutBox*>().size(), 1);
  EXPECT_EQ(box->pos(), CentredOver(form->frameGeometry(), box->frameGeometry().size()));
  // The version and the credit end where the layout puts their right edges.
  EXPECT_EQ(ControlOf<QLabel>(*box, "Label1")->geometry().right() + 1, 260);
  EXPECT_EQ(ControlOf<QLabel>(*box, "Label2")->geometry().right() + 1, 261);

  ASSERT_TRUE(QTest::qWaitForWindowActive(box));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_FALSE(box->isVisible());
  EXPECT_TRUE(form->isVisible());
}

TEST_F(WindowTest, ClosingTheWindowEndsTheProgramAfterTheAboutBoxWasShown) {
  Start();
  bool timedOut = false;
  QTimer::singleShot(0, form.get(), [this] {
    Control<QAction>("About1")->trigger();
    QTest::keyClick(Control<AboutBox>("dialogForm"), Qt::Key_Return);
    Control<QAction>("ExitMenu")->trigger();
  });
  QTimer watchdog;  // ends the loop if the program would not
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  watchdog.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_FALSE(timedOut);
}

TEST_F(WindowTest, TheLinkOpensTheHelpPage) {
  Start();
  Control<QAction>("About1")->trigger();
  QTest::mouseClick(ControlOf<QLabel>(*Control<AboutBox>("dialogForm"), "Label3"), Qt::LeftButton);
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(HelpPagePath(folder.path() + "/help/help.htm")));
}

TEST_F(WindowTest, HelpLooksBelowTheCurrentDirectoryFirstThenBesideTheProgram) {
  Start();
  ASSERT_TRUE(QDir(folder.path()).mkpath("elsewhere/help"));
  QDir::setCurrent(folder.path() + "/elsewhere");
  Control<QAction>("Help1")->trigger();  // nowhere: the page below the current directory, without a message
  ASSERT_TRUE(QDir(folder.path()).mkdir("help"));
  WriteFile("help/help.htm", "<html></html>");
  Control<QAction>("Help1")->trigger();  // beside the program only
  WriteFile("elsewhere/help/help.htm", "<html></html>");
  Control<QAction>("Help1")->trigger();
  ASSERT_EQ(openedUrls.size(), 3u);
  EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(folder.path() + "/elsewhere/help/help.htm"));
  EXPECT_EQ(openedUrls[1], QUrl::fromLocalFile(folder.path() + "/help/help.htm"));
  EXPECT_EQ(openedUrls[2], QUrl::fromLocalFile(folder.path() + "/elsewhere/help/help.htm"));
  EXPECT_TRUE(dialogs().errors.empty());
  EXPECT_EQ(form->findChild<HelpWindow*>("helpWindow"), nullptr);  // the desktop opened it
}

// The English page is looked for by its own name, below the current directory first.
TEST(HelpPage, TheEnglishPageIsLookedForByItsOwnName) {
  QTemporaryDir here;
  const QString old = QDir::currentPath();
  QDir::setCurrent(here.path());
  ASSERT_TRUE(QDir(here.path()).mkdir("help"));
  QFile page(here.path() + "/help/help_en.htm");
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  EXPECT_EQ(HelpPagePath(QStringLiteral("/shipped/help/help_en.htm")), here.path() + "/help/help_en.htm");
  QDir::setCurrent(old);
}

TEST_F(HelpTest, TheGamesOwnHelpWindowShowsThePageWithItsPicturesWhenTheDesktopCannot) {
  Start();
  openFails = true;
  ASSERT_TRUE(QDir(folder.path()).mkdir("help"));
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  ASSERT_TRUE(picture.save(folder.path() + "/help/screen.png"));
  WriteFile("help/help.htm",
            "<html><head><meta charset=\"UTF-8\"><title>すいすいぽ。 ヘルプ</title></head>"
            "<body><h1>遊び方</h1><img src=\"screen.png\"></body></html>");
  Control<QAction>("Help1")->trigger();
  HelpWindow* const help = form->findChild<HelpWindow*>("helpWindow");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(form->findChild<HelpWindow*>("helpWindow")->isVisible());
  EXPECT_FALSE(form->findChild<HelpWindow*>("helpWindow")->isModal());
  EXPECT_EQ(form->findChild<HelpWindow*>("helpWindow")->windowTitle(), QStringLiteral("すいすいぽ。 ヘルプ"));
  EXPECT_EQ(Browser()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  EXPECT_GE(Browser()->viewport()->width(), Browser()->document()->idealWidth());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form->findChild<HelpWindow*>("helpWindow")));
  QTest::keyClick(form->findChild<HelpWindow*>("helpWindow"), Qt::Key_Escape);
  EXPECT_FALSE(form->findChild<HelpWindow*>("helpWindow")->isVisible());
  EXPECT_TRUE(Browser()->toPlainText().contains(QStringLiteral("遊び方")));
  const QVariant shown = Browser()->loadResource(QTextDocument::ImageResource, QUrl("screen.png"));
  EXPECT_EQ(QImage::fromData(shown.toByteArray()).pixelColor(0, 0), QColor(Qt::blue));

  QFile::remove(folder.path() + "/help/help.htm");  // a page that is gone is named
  Control<QAction>("Help1")->trigger();
  EXPECT_EQ(form->findChild<HelpWindow*>("helpWindow"), help);  // one help window, shown again
  EXPECT_TRUE(Browser()->toPlainText().contains(folder.path() + "/help/help.htm"));
  EXPECT_TRUE(dialogs().errors.empty());
}

TEST_F(WindowTest, GameKeysDoNothingWhileTheAboutBoxHasTheFocus) {
  Start();
  Choose(0);
  Control<QAction>("About1")->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Control<AboutBox>("dialogForm")));
  Type(Qt::Key_Left);
  Type(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(Play().game().playerX, 2);
  EXPECT_EQ(Play().game().mp, 1);
  Control<AboutBox>("dialogForm")->hide();
  QApplication::setActiveWindow(form.get());
  Type(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(Play().game().mp, 0);
}

TEST(TransparentGround, LeavesOutTheBottomLeftColourOnly) {
  QImage picture(3, 2, QImage::Format_RGB32);
  picture.fill(QColor(192, 192, 192));
  picture.setPixelColor(1, 0, QColor(255, 0, 0));
  picture.setPixelColor(2, 1, QColor(191, 192, 192));
  const QImage shown = WithTransparentGround(picture).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(shown.pixel(0, 1)), 0);
  EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
  EXPECT_EQ(shown.pixel(1, 0), qRgba(255, 0, 0, 255));
  EXPECT_EQ(qAlpha(shown.pixel(2, 1)), 255);  // a near colour stays
}

}  // namespace
}  // namespace suispo::test
