// Help opens the page below the current directory; the About box is one modeless window.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/window/about_box.h"
#include "app/window/transparent_ground.h"
#include "window_fixture.h"

namespace suispo::test {
namespace {

TEST(AboutBoxPlace, CentresA306By196BoxTruncatingTowardZero) {
  EXPECT_EQ(AboutBoxPlace(1024, 768), QPoint(359, 286));
  EXPECT_EQ(AboutBoxPlace(301, 191), QPoint(-2, -2));  // -5 / 2 is -2, not -3
  EXPECT_EQ(AboutBoxPlace(300, 100), QPoint(-3, -48));
}

TEST_F(WindowTest, AboutShowsOneModelessBoxPlacedAgainAndEnterHidesIt) {
  Start();
  form->About1->trigger();
  AboutBox* box = form->dialogForm;
  ASSERT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(box->windowTitle(), QStringLiteral("バージョン情報"));
  EXPECT_EQ(box->size(), QSize(298, 169));
  EXPECT_EQ(box->Label3->text(), kProjectWebAddress);
  EXPECT_TRUE(box->Label2->text().startsWith(QStringLiteral("By ")));

  box->move(5, 5);
  form->About1->trigger();
  EXPECT_EQ(form->findChildren<AboutBox*>().size(), 1);
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(box->pos(), AboutBoxPlace(available.width(), available.height()));

  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_FALSE(box->isVisible());
  EXPECT_TRUE(form->isVisible());
}

TEST_F(WindowTest, ClosingTheWindowEndsTheProgramAfterTheAboutBoxWasShown) {
  Start();
  bool timedOut = false;
  QTimer::singleShot(0, form.get(), [this] {
    form->About1->trigger();
    QTest::keyClick(form->dialogForm, Qt::Key_Return);
    form->ExitMenu->trigger();
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

TEST_F(WindowTest, TheLinkOpensTheProjectsAddress) {
  Start();
  form->About1->trigger();
  QTest::mouseClick(form->dialogForm->Label3, Qt::LeftButton);
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_EQ(openedUrls[0], QUrl(kProjectWebAddress));
}

TEST_F(WindowTest, HelpOpensThePageBelowTheCurrentDirectoryWithoutAMessage) {
  Start();
  ASSERT_TRUE(QDir(folder.path()).mkdir("elsewhere"));
  QDir::setCurrent(folder.path() + "/elsewhere");
  form->Help1->trigger();
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(folder.path() + "/elsewhere/help/help.htm"));
  EXPECT_TRUE(dialogs().errors.empty());
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
