// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where the help page is found, and the browser window that shows it, its links and pictures.
#include "app/window/help_window.h"

#include <QDir>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace suispo {
namespace {

constexpr int kWidth = 720;

}  // namespace

QString HelpPagePath(const QString& shippedPage) {
  // The page of the same name: help.htm, or the English help_en.htm.
  const QString here =
      QDir::cleanPath(QDir::current().absoluteFilePath(QStringLiteral("./help/") + QFileInfo(shippedPage).fileName()));
  return !QFileInfo(here).isFile() && QFileInfo(shippedPage).isFile() ? QDir::cleanPath(shippedPage) : here;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  // Closing the main window ends the program even while the help is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  browser = new QTextBrowser(this);
  browser->setObjectName(QStringLiteral("browser"));
  browser->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser);
  // Wide enough for the page's 512-pixel screen pictures beside the margins.
  resize(kWidth, 640);
  auto* closeOnEsc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(closeOnEsc, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowPage(const QUrl& page) {
  if (QFileInfo(page.toLocalFile()).isFile()) {
    browser->setSource(page);
  } else {
    browser->setPlainText(tr("ヘルプのページ %1 が見つかりません。").arg(page.toLocalFile()));
  }
  setWindowTitle(tr("すいすいぽ。 ヘルプ"));
  // As wide as the page's widest line needs (within the screen), so no horizontal scroll bar
  // shows without need.
  const int needed = static_cast<int>(std::ceil(browser->document()->idealWidth())) + 2 * browser->frameWidth() +
                     browser->verticalScrollBar()->sizeHint().width();
  const QScreen* screen = this->screen();
  const int widest = screen != nullptr ? screen->availableGeometry().width() : needed;
  resize(std::clamp(needed, kWidth, std::max(kWidth, widest)), height());
  show();
  raise();
  activateWindow();
}

}  // namespace suispo
