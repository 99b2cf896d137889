// The two faces the window asks for, with the fallbacks installed on this system.
#include "ui_fonts.h"

#include <QStringList>

namespace suispo {

QFont ProportionalFont(int pixels, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont FixedFont(int pixels) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
  font.setFixedPitch(true);
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace suispo
