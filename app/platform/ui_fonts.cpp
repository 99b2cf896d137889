// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Picking the first installed face of each list, and the fonts made from it at a pixel size.
#include "app/platform/ui_fonts.h"

#include <QFontDatabase>

#include "view/font_faces.h"

namespace suispo {

namespace {

// The faces of a list that are installed; the last, the stand-in, is always kept.
QStringList InstalledOf(const QStringList& faces) {
  QStringList installed;
  for (qsizetype i = 0; i < faces.size(); ++i) {
    if (i == faces.size() - 1 || QFontDatabase::hasFamily(faces[i])) installed.append(faces[i]);
  }
  return installed;
}

}  // namespace

UiFonts::UiFonts()
    : proportional_(InstalledOf(ProportionalGothic())), fixed_(InstalledOf(FixedGothic())) {}

QFont UiFonts::Proportional(int pixels, bool bold) const {
  QFont font;
  font.setFamilies(proportional_);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont UiFonts::Fixed(int pixels) const {
  QFont font;
  font.setFamilies(fixed_);
  font.setFixedPitch(true);
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(pixels);
  font.setBold(false);  // set, so that a list inside the bold group box does not inherit bold
  return font;
}

}  // namespace suispo
