// The About box built: its controls at their places, centred on the screen, the link and OK handlers.
#include "app/window/about_box.h"

#include <algorithm>

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/window/link_label.h"
#include "app/window/transparent_ground.h"
#include "assets/pictures.h"
#include "suispo/build_info.h"

namespace suispo {

QPoint AboutBoxPlace(int fullScreenWidth, int fullScreenHeight) {
  return {(fullScreenWidth - 306) / 2, (fullScreenHeight - 196) / 2};
}

AboutBox::AboutBox(QWidget* parent, const UiFonts& fonts, std::function<void(const QUrl&)> openUrl)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      fonts_(fonts),
      openUrl_(std::move(openUrl)) {
  setWindowTitle(QStringLiteral("バージョン情報"));
  setFixedSize(298, 169);
  setFont(fonts_.Proportional(12));
  setModal(false);
  // Closing the main window ends the program even while this box is open.
  setAttribute(Qt::WA_QuitOnClose, false);
}

void AboutBox::BuildControls() {
  Image1 = new QLabel(this);
  const QPixmap logo = WithTransparentGround(assets::ReadPicture(assets::kLogo));
  Image1->setPixmap(logo);
  Image1->setGeometry(41, 20, logo.width(), logo.height());

  Label1 = new QLabel(QStringLiteral("Ver. ") + QLatin1String(build::kVersion), this);
  Label1->setFont(fonts_.Proportional(16));
  Label1->move(198, 55);
  // Labels size themselves to their text, so a wider fallback face is not cut off.
  Label1->resize(std::max(62, Label1->sizeHint().width()), 16);

  Label2 = new QLabel(QStringLiteral("By suispo project"), this);
  Label2->setFont(fonts_.Proportional(16));
  Label2->move(145, 77);
  Label2->resize(std::max(116, Label2->sizeHint().width()), 16);

  // The box's own 12 px face, underlined by the link label.
  Label3 = new LinkLabel(kProjectWebAddress, this, [this] { Label3Click(); });
  Label3->setGeometry(35, 111, 230, 12);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setGeometry(108, 130, 75, 25);
  OKButton->setDefault(true);
  OKButton->setAutoDefault(true);
  OKButton->setFocus();
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

void AboutBox::PlaceAndShow() {
  if (OKButton == nullptr) BuildControls();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect();
  move(AboutBoxPlace(available.width(), available.height()));
  show();
  if (firstShowing_) {
    // The first showing centres the box on the screen by its real outer size, once.
    firstShowing_ = false;
    const QRect whole = screen ? screen->geometry() : QRect();
    const QSize outer = frameGeometry().size();
    move(std::max(0, (whole.width() - outer.width()) / 2), std::max(0, (whole.height() - outer.height()) / 2));
  }
  raise();
  activateWindow();
  OKButton->setFocus();
}

void AboutBox::Label3Click() { openUrl_(QUrl(kProjectWebAddress)); }

void AboutBox::OKButtonClick() { hide(); }

}  // namespace suispo
