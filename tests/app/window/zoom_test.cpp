// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The window at a zoom and on a scaled desktop: its size, its controls, and a board drawn sharp.
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QToolTip>

#include "app/window/window_zoom.h"
#include "tests/app/window/window_fixture.h"
#include "tests/support/scaled_pixels.h"

namespace suispo::test {
namespace {

// The board as the play surface shows it, in the screen's pixels.
QImage BoardOnScreen(MainForm& form) {
  const QPixmap shown = ControlOf<PlaySurface>(form, "MainImage")->grab();
  const double perUnit = shown.devicePixelRatio() * form.zoom() / 100.0;
  const QRect slot(atlas::kBoardSlot.left, atlas::kBoardSlot.top, atlas::kBoardSlot.width(), atlas::kBoardSlot.height());
  return shown.toImage().copy(QRectF(QPointF(slot.topLeft()) * perUnit, QSizeF(slot.size()) * perUnit).toRect());
}

bool ScreenHolds(int width, int height) {
  const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
  return room.width() >= width && room.height() >= height;
}

TEST(WindowZoom, AWindowThatWouldNotFitTakesTheLargestZoomThatDoes) {
  const QSize window(512, 374);
  EXPECT_EQ(FittingZoom(300, {1900, 1040}, window), 200);
  EXPECT_EQ(FittingZoom(150, {1900, 1040}, window), 150);
  EXPECT_EQ(FittingZoom(300, {1536, 1122}, window), 300);
  EXPECT_EQ(FittingZoom(200, {700, 500}, window), 100);  // not even 100 % fits: 100 all the same
}

// Run by ctest on a 2560 x 1600 screen (window_zoom_large_screen) only.
TEST_F(WindowTest, ZoomTwoHundredFromTheSettingsDoublesTheWindowAndDrawsTheBoardSharp) {
  ASSERT_TRUE(ScreenHolds(1100, 800)) << "the screen is too small for 200 %";
  WriteFile("suispo.ini", "[View]\r\nzoom=200\r\n");
  Start();
  ASSERT_EQ(form->zoom(), 200);
  EXPECT_EQ(form->centralWidget()->size(), QSize(1024, 704));
  EXPECT_EQ(Control<QListWidget>("StageList")->geometry(), Zoomed(layout::kStageList, 2));
  EXPECT_EQ(Control<QListWidget>("StageList")->font().pixelSize(), 26);
  Choose(0);
  ASSERT_TRUE(OnPlayScreen());
  EXPECT_EQ(Control<QPushButton>("undoButton")->geometry(), QRect(706, 618, 138, 56));
  EXPECT_EQ(Play().view().surface().devicePixelRatio(), 2);
  EXPECT_LT(UniformBlockShare(BoardOnScreen(*form)), 0.6);

  // Chosen from the menu, the zoom resizes the window at once and is kept.
  Control<QAction>("zoomMenu1")->trigger();
  EXPECT_EQ(form->centralWidget()->size(), QSize(768, 528));
  EXPECT_EQ(form->store().zoom, 150);
}

// Run by ctest on a 2560 x 1600 screen (window_zoom_large_screen) only.
TEST_F(WindowTest, ZoomTwoHundredReachesMessageBoxesTooltipsAndThePreviewAtOnce) {
  ASSERT_TRUE(ScreenHolds(1100, 800)) << "the screen is too small for 200 %";
  Start();
  QLabel* preview = Control<QLabel>("previewImage");
  Control<QAction>("zoomMenu2")->trigger();
  ASSERT_EQ(form->zoom(), 200);
  QMessageBox box(QMessageBox::Question, QStringLiteral("やり直し"), QStringLiteral("やり直しますか？"),
                  QMessageBox::Yes | QMessageBox::No, form.get());
  EXPECT_EQ(box.font().pixelSize(), 24);
  EXPECT_EQ(QToolTip::font().pixelSize(), 24);
  EXPECT_EQ(preview->pixmap().deviceIndependentSize().toSize(), QSize(252, 252));

  // Back at 100 %, the board is drawn anew in its place, not clipped from the larger one.
  Control<QAction>("zoomMenu0")->trigger();
  EXPECT_EQ(preview->size(), QSize(126, 126));
  EXPECT_EQ(preview->pixmap().deviceIndependentSize().toSize(), QSize(126, 126));
  EXPECT_EQ(QToolTip::font().pixelSize(), 12);
}

TEST_F(WindowTest, AZoomTooLargeForTheScreenIsGreyInTheMenuAndSaysWhy) {
  if (ScreenHolds(1552, 1162)) GTEST_SKIP() << "the screen holds every zoom";
  Start();
  QAction* threeHundred = Control<QAction>("zoomMenu3");
  EXPECT_FALSE(threeHundred->isEnabled());
  EXPECT_TRUE(threeHundred->toolTip().contains(QStringLiteral("1552"))) << threeHundred->toolTip().toStdString();
  EXPECT_TRUE(Control<QAction>("zoomMenu0")->isEnabled());
}

// Run by ctest with QT_SCALE_FACTOR=2 (window_desktop_scale_2) only.
TEST_F(WindowTest, OnADesktopScaledByTwoTheBoardIsDrawnAtTheScreensPixels) {
  Start();
  ASSERT_EQ(form->devicePixelRatioF(), 2) << "the desktop is not scaled by 2";
  Choose(0);
  ASSERT_TRUE(OnPlayScreen());
  EXPECT_EQ(form->zoom(), 100);
  EXPECT_EQ(Play().view().surface().devicePixelRatio(), 2);
  const QImage board = BoardOnScreen(*form);
  EXPECT_EQ(board.size(), QSize(592, 592));
  EXPECT_LT(UniformBlockShare(board), 0.6);
}

}  // namespace
}  // namespace suispo::test
