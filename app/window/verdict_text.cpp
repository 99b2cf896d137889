// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The clear's verdict in the player's language.
#include "app/window/verdict_text.h"

#include <QCoreApplication>

namespace suispo {
namespace {

QString Worded(const char* text) { return QCoreApplication::translate("Verdict", text); }

// The count in the words of its language: "1 move", "7 moves" in English, one form in Japanese.
QString Count(const ClearVerdict& verdict) {
  return QCoreApplication::translate("Verdict", "%n手でクリア", nullptr, verdict.moves);
}
QString Par(const ClearVerdict& verdict) {
  return verdict.par ? Worded(QT_TRANSLATE_NOOP("Verdict", "（最短 %1手）")).arg(*verdict.par) : QString();
}
QString NewBest(const ClearVerdict& verdict) {
  return verdict.newBest ? Worded(QT_TRANSLATE_NOOP("Verdict", " 新記録！")) : QString();
}
QString HintReason() { return Worded(QT_TRANSLATE_NOOP("Verdict", " ヒントを使ったので★はつきません")); }

}  // namespace

QString VerdictText(const ClearVerdict& verdict) {
  if (verdict.hintWithheldStar) return Count(verdict) + HintReason() + NewBest(verdict);
  return Count(verdict) + Par(verdict) + (verdict.star ? QStringLiteral("★") : QString()) + NewBest(verdict);
}

QString KeptVerdictText(const ClearVerdict& verdict) {
  QString text = Count(verdict) + Par(verdict) + (verdict.star ? QStringLiteral("★") : QStringLiteral("☆")) +
                 NewBest(verdict);
  if (verdict.hintWithheldStar) text += QLatin1Char('\n') + HintReason().trimmed();
  return text;
}

}  // namespace suispo
