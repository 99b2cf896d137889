// Where the help page is found, and the browser window that shows it, its links and pictures.
#include "app/window/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace suispo {

QString HelpPagePath(const QString& shippedPage) {
  const QString here = QDir::cleanPath(QDir::current().absoluteFilePath(QStringLiteral("./help/help.htm")));
  return !QFileInfo(here).isFile() && QFileInfo(shippedPage).isFile() ? QDir::cleanPath(shippedPage) : here;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  // Closing the main window ends the program even while the help is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  browser = new QTextBrowser(this);
  browser->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser);
  // Wide enough for the page's 512-pixel screen pictures beside the margins.
  resize(720, 640);
}

void HelpWindow::ShowPage(const QUrl& page) {
  if (QFileInfo(page.toLocalFile()).isFile()) {
    browser->setSource(page);
  } else {
    browser->setPlainText(QStringLiteral("ヘルプのページ %1 が見つかりません。").arg(page.toLocalFile()));
  }
  setWindowTitle(browser->documentTitle().isEmpty() ? QStringLiteral("すいすいぽ。 ヘルプ") : browser->documentTitle());
  show();
  raise();
  activateWindow();
}

}  // namespace suispo
