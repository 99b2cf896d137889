// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Names shown literally: the characters that would act rather than show are replaced.
#include "view/literal_text.h"

#include <QList>

namespace suispo {
namespace {

// Characters that change how the text around them is laid out instead of showing.
bool Acts(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return true;  // control characters
  if (c == 0x2028 || c == 0x2029) return true;           // line and paragraph separators
  // Marks of writing direction: a right-to-left override turns the rest of the line around.
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

QString LiteralText(const QString& name) {
  QString shown;
  shown.reserve(name.size());
  for (const uint code : name.toUcs4()) {
    const auto c = static_cast<char32_t>(code);
    if (Acts(c)) {
      shown += QChar(kShownReplacement);
    } else {
      shown += QString::fromUcs4(&c, 1);
    }
  }
  return shown;
}

QString LiteralCaption(const QString& name) {
  return LiteralText(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace suispo
