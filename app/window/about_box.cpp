// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The About box built: its controls at their places, centred on the screen, the link and OK handlers.
#include "app/window/about_box.h"

#include <algorithm>

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "app/window/link_label.h"
#include "app/window/window_zoom.h"
#include "assets/pictures.h"
#include "suispo/build_info.h"

namespace suispo {

QPoint CentredOver(const QRect& window, QSize outer) {
  return {window.x() + (window.width() - outer.width()) / 2, window.y() + (window.height() - outer.height()) / 2};
}

AboutBox::AboutBox(QWidget* parent, const UiFonts& fonts, std::function<void()> openLink)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      fonts_(fonts),
      openLink_(std::move(openLink)) {
  setWindowTitle(tr("バージョン情報"));
  setFixedSize(298, 169);
  setFont(fonts_.Proportional(12));
  setModal(false);
  // Closing the main window ends the program even while this box is open.
  setAttribute(Qt::WA_QuitOnClose, false);
}

void AboutBox::BuildControls() {
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  // The logotype painted for the screen's scale, at its 1x size in the box.
  const QPixmap logo = ZoomedPicture(assets::kLogo, 1, devicePixelRatioF());
  Image1->setPixmap(logo);
  Image1->setGeometry(41, 20, assets::kLogo.width, assets::kLogo.height);

  // The version and the credit keep their laid-out right edges, the version level with the logo's
  // foot; a wider fallback face grows them to the left, never past those edges.
  constexpr int kVersionRight = 198 + 62, kCreditRight = 145 + 116;
  Label1 = new QLabel(tr("Ver. ") + QLatin1String(build::kVersion), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(fonts_.Proportional(16));
  Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const int versionWidth = std::max(62, Label1->sizeHint().width());
  Label1->setGeometry(kVersionRight - versionWidth, 55, versionWidth, std::max(16, Label1->sizeHint().height()));

  Label2 = new QLabel(tr("By suispo project"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(fonts_.Proportional(16));
  Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const int creditWidth = std::max(116, Label2->sizeHint().width());
  Label2->setGeometry(kCreditRight - creditWidth, 77, creditWidth, std::max(16, Label2->sizeHint().height()));

  // The box's own 12 px face, underlined by the link label.
  Label3 = new LinkLabel(AboutLinkText(), this, [this] { Label3Click(); });
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(35, 111, 230, 12);

  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(108, 130, 75, 25);
  OKButton->setDefault(true);
  OKButton->setAutoDefault(true);
  OKButton->setFocus();
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void AboutBox::PlaceAndShow() {
  if (OKButton == nullptr) BuildControls();
  show();
  // Over the game, where the player looks, rather than wherever the screen's middle is.
  const QWidget* game = parentWidget();
  if (game != nullptr) move(CentredOver(game->frameGeometry(), frameGeometry().size()));
  raise();
  activateWindow();
  OKButton->setFocus();
}

void AboutBox::Label3Click() { openLink_(); }

void AboutBox::OKButtonClick() { hide(); }

}  // namespace suispo
