// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The yardstick for suispo's start-up: the smallest Qt Widgets window of its size. With "--text" it
// also shows one line of Japanese, which makes Qt load a Japanese font as any Japanese window must.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.setFixedSize(512, 370);
  if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--text")) {
    new QLabel(QStringLiteral("すいすいぽ。 ステージ選択"), &window);
  }
  window.show();
  return app.exec();
}
