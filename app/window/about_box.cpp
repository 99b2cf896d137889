// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The About box built: its controls at their places, centred on the screen, the link and OK handlers.
#include "app/window/about_box.h"

#include <algorithm>
#include <array>
#include <utility>

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
  Label1 = new QLabel(tr("Ver. ") + QLatin1String(build::kVersion), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label2 = new QLabel(tr("By suispo project"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The box's own 12 px face, underlined by the link label.
  Label3 = new LinkLabel(AboutLinkText(), this, [this] { Label3Click(); });
  Label3->setObjectName(QStringLiteral("Label3"));
  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  OKButton->setAutoDefault(true);
  OKButton->setFocus();
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void AboutBox::Lay(double zoom) {
  const auto at = [zoom](int left, int top, int width, int height) {
    return Zoomed(layout::Rect{left, top, left + width, top + height}, zoom);
  };
  setFixedSize(Zoomed(298, zoom), Zoomed(169, zoom));
  setFont(fonts_.Proportional(Zoomed(12, zoom)));
  // The logotype painted for the screen's scale, at its 1x size in the box.
  Image1->setPixmap(ZoomedPicture(assets::kLogo, zoom, devicePixelRatioF()));
  Image1->setGeometry(at(41, 20, assets::kLogo.width, assets::kLogo.height));

  // The version and the credit keep their laid-out right edges, the version level with the logo's
  // foot; a wider fallback face grows them to the left, never past those edges.
  constexpr int kVersionRight = 198 + 62, kCreditRight = 145 + 116;
  const std::pair<QLabel*, std::array<int, 3>> rightAligned[] = {{Label1, {kVersionRight, 62, 55}},
                                                                 {Label2, {kCreditRight, 116, 77}}};
  for (const auto& [label, place] : rightAligned) {
    label->setFont(fonts_.Proportional(Zoomed(16, zoom)));
    const int right = Zoomed(place[0], zoom);
    const int width = std::max(Zoomed(place[1], zoom), label->sizeHint().width());
    label->setGeometry(right - width, Zoomed(place[2], zoom), width,
                       std::max(Zoomed(16, zoom), label->sizeHint().height()));
  }
  Label3->setGeometry(at(35, 111, 230, 12));
  OKButton->setGeometry(at(108, 130, 75, 25));
}

void AboutBox::PlaceAndShow(double zoom) {
  if (OKButton == nullptr) BuildControls();
  Lay(zoom);
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
