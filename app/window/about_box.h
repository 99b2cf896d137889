// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The About box dialogForm: logotype, version, credit and a link to the game's help page; modeless.
#pragma once

#include <functional>

#include <QCoreApplication>
#include <QDialog>
#include <QUrl>

#include "app/platform/ui_fonts.h"

class QLabel;
class QPushButton;

namespace suispo {

// The project has no web page of its own: the link leads to the help page shipped with the game.
inline QString AboutLinkText() { return QCoreApplication::translate("suispo::AboutBox", "遊び方とルール（ヘルプ）"); }

class AboutBox : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(AboutBox)

 public:
  // openLink: what Label3Click does, the help page opened as Help > 目次 does.
  AboutBox(QWidget* parent, const UiFonts& fonts, std::function<void()> openLink);

  // About1Click: places the box centred over the game's window at the window's zoom (1 for 100 %)
  // and brings it to the front.
  void PlaceAndShow(double zoom = 1);

 private:
  // Made at the first showing: the box is created hidden at start and most runs never open it,
  // so its logo and faces are not loaded before then.
  QLabel* Image1 = nullptr;  // the logotype
  QLabel* Label1 = nullptr;  // the version
  QLabel* Label2 = nullptr;  // the credit
  QLabel* Label3 = nullptr;  // the link to the help page
  QPushButton* OKButton = nullptr;

  void BuildControls();
  // The box, its faces and its controls at the zoom.
  void Lay(double zoom);
  void Label3Click();
  void OKButtonClick();

  UiFonts fonts_;
  std::function<void()> openLink_;
};

// Where a box of the given outer size goes so that it is centred over window (the frame's rect).
QPoint CentredOver(const QRect& window, QSize outer);

}  // namespace suispo
