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

// The grain is one speck per pixel at every scale; the rims are one unit wide.
QImage BlankPlate(int scale) {
  const int w = kW * scale;
  const int h = kH * scale;
  QImage plate(w, h, QImage::Format_RGB32);
  // A fixed seed: regenerating gives the same grain, byte for byte.
  std::mt19937 grain(1997);
  std::uniform_int_distribution<int> jitter(-7, 7);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int v = jitter(grain) - (y * 10) / h;
      plate.setPixel(x, y, qRgb(kStone.red() + v, kStone.green() + v, kStone.blue() + v));
    }
  }
  QPainter p(&plate);
  p.scale(scale, scale);
  p.fillRect(1, 1, kW - 2, 1, kStoneLight);
  p.fillRect(1, 1, 1, kH - 2, kStoneLight);
  p.fillRect(2, kH - 2, kW - 3, 1, kStone.darker(135));
  p.fillRect(kW - 2, 2, 1, kH - 3, kStone.darker(135));
  for (const QRect rim : {QRect(0, 0, kW, 1), QRect(0, kH - 1, kW, 1), QRect(0, 0, 1, kH), QRect(kW - 1, 0, 1, kH)}) {
    p.fillRect(rim, kStoneDark);
  }
  return plate;
}

QImage Lettered(const QString& text, const QColor& face, const QColor& shadow, QPoint shadowOffset, int scale) {
  QImage plate = BlankPlate(scale);
  QPainter p(&plate);
  p.scale(scale, scale);
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

QImage NamePlate(int scale) { return BlankPlate(scale); }

QImage ClearBanner(int scale) {
  return Lettered("STAGE CLEAR!!", QColor(255, 196, 24), QColor(70, 36, 0), {1, 1}, scale);
}

QImage MissBanner(int scale) {
  return Lettered("MISS...", QColor(150, 214, 255), QColor(210, 24, 24), {2, 1}, scale);
}

}  // namespace suispo::art
