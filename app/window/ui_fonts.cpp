// The two faces the window asks for, with the fallbacks installed on this system.
#include "ui_fonts.h"

#include <QFontDatabase>

namespace suispo {

namespace {

QStringList InstalledOf(const QString& named, const QString& fallback) {
  if (QFontDatabase::hasFamily(named)) return {named, fallback};
  return {fallback};
}

}  // namespace

UiFonts::UiFonts()
    : proportional_(InstalledOf(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"))),
      fixed_(InstalledOf(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"))) {}

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
