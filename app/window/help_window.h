// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's own help window: the help page in Qt's rich-text browser, for a desktop that cannot open it.
#pragma once

#include <QUrl>
#include <QCoreApplication>
#include <QWidget>

class QTextBrowser;

namespace suispo {

// Where the help page is: "./help/help.htm" (or the shipped page's own name, help_en.htm) below
// the current directory when it is there, else
// the page shipped with the program (beside it, or in an installed game's data folder), so a game
// started from elsewhere still finds it. When neither exists, the first.
QString HelpPagePath(const QString& shippedPage);

class HelpWindow : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(HelpWindow)

 public:
  explicit HelpWindow(QWidget* parent);

  // Shows the page (a local file) with its pictures, modeless, in front. A page that is not
  // there is named in the window instead.
  void ShowPage(const QUrl& page);

 private:
  QTextBrowser* browser = nullptr;
};

}  // namespace suispo
