// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The yardstick for suispo's start-up: the smallest Qt Widgets window of its size. With "--text" it
// also shows one line of Japanese, which makes Qt load a Japanese font as any Japanese window must;
// with "--screen", a first screen like suispo's: a menu bar, a 512 x 360 picture and a list of five
// Japanese lines.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// A picture of the size of suispo's title, painted here so that the yardstick reads no file.
QPixmap Picture() {
  QImage image(512, 360, QImage::Format_RGB32);
  QPainter painter(&image);
  for (int y = 0; y < 360; y += 8) painter.fillRect(0, y, 512, 8, QColor(40 + y / 3, 90, 200 - y / 3));
  return QPixmap::fromImage(image);
}

void AddFirstScreen(QWidget& window) {
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* menus = new QMenuBar(&window);
  for (const char* title : {"ゲーム(&G)", "表示(&V)", "ヘルプ(&H)"}) menus->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("…"));
  layout->setMenuBar(menus);
  auto* picture = new QLabel(&window);
  picture->setPixmap(Picture());
  layout->addWidget(picture);
  auto* list = new QListWidget(&window);
  for (const char* line : {"はじめの一歩", "壁を置く", "鍵と扉", "穴に気をつけて", "矢印の床"}) list->addItem(QString::fromUtf8(line));
  layout->addWidget(list);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (mode == QStringLiteral("--screen")) {
    AddFirstScreen(window);
  } else {
    window.setFixedSize(512, 370);
    if (mode == QStringLiteral("--text")) new QLabel(QStringLiteral("すいすいぽ。 ステージ選択"), &window);
  }
  window.show();
  return app.exec();
}
