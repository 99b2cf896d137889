// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A blank stone plate painted once; the banners are its copies with engraved lettering.
#include "assets/generator/stone_plates.h"

#include <QFont>
#include <QPainter>
#include <random>

#include "assets/generator/palette.h"

namespace suispo::art {

namespace {

constexpr int kW = 297;
constexpr int kH = 21;

QImage BlankPlate() {
  QImage plate(kW, kH, QImage::Format_RGB32);
  // A fixed seed: regenerating gives the same grain, byte for byte.
  std::mt19937 grain(1997);
  std::uniform_int_distribution<int> jitter(-7, 7);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const int v = jitter(grain) - (y * 10) / kH;
      plate.setPixel(x, y, qRgb(kStone.red() + v, kStone.green() + v, kStone.blue() + v));
    }
  }
  QPainter p(&plate);
  p.setPen(kStoneLight);
  p.drawLine(1, 1, kW - 2, 1);
  p.drawLine(1, 1, 1, kH - 2);
  p.setPen(kStone.darker(135));
  p.drawLine(2, kH - 2, kW - 2, kH - 2);
  p.drawLine(kW - 2, 2, kW - 2, kH - 2);
  p.setPen(kStoneDark);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, kW - 1, kH - 1);
  return plate;
}

QImage Lettered(const QString& text, const QColor& face, const QColor& shadow, QPoint shadowOffset) {
  QImage plate = BlankPlate();
  QPainter p(&plate);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("DejaVu Sans");
  font.setPixelSize(15);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(font);
  const QRect box(0, 0, kW, kH);
  p.setPen(shadow);
  p.drawText(box.translated(shadowOffset), Qt::AlignCenter, text);
  p.setPen(face);
  p.drawText(box, Qt::AlignCenter, text);
  return plate;
}

}  // namespace

QImage NamePlate() { return BlankPlate(); }

QImage ClearBanner() {
  return Lettered("STAGE CLEAR!!", QColor(255, 196, 24), QColor(70, 36, 0), {1, 1});
}

QImage MissBanner() {
  return Lettered("MISS...", QColor(150, 214, 255), QColor(210, 24, 24), {2, 1});
}

}  // namespace suispo::art
