// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The About box dialogForm: logotype, version, credit and the project's web address; modeless.
#pragma once

#include <functional>

#include <QDialog>
#include <QUrl>

#include "app/window/ui_fonts.h"

class QLabel;
class QPushButton;

namespace suispo {

inline const QString kProjectWebAddress = QStringLiteral("https://suispo.example.org/");

class AboutBox : public QDialog {
 public:
  // openUrl: the desktop's open-document action (Label3Click).
  AboutBox(QWidget* parent, const UiFonts& fonts, std::function<void(const QUrl&)> openUrl);

  // About1Click: places the box centred over the game's window and brings it to the front.
  void PlaceAndShow();

  // Made at the first showing: the box is created hidden at start and most runs never open it,
  // so its logo and faces are not loaded before then.
  QLabel* Image1 = nullptr;  // the logotype
  QLabel* Label1 = nullptr;  // the version
  QLabel* Label2 = nullptr;  // the credit
  QLabel* Label3 = nullptr;  // the project's web address, a link
  QPushButton* OKButton = nullptr;

 private:
  void BuildControls();
  void Label3Click();
  void OKButtonClick();

  UiFonts fonts_;
  std::function<void(const QUrl&)> openUrl_;
};

// Where a box of the given outer size goes so that it is centred over window (the frame's rect).
QPoint CentredOver(const QRect& window, QSize outer);

}  // namespace suispo
