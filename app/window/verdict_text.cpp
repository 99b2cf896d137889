// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The clear's verdict in the player's language.
#include "app/window/verdict_text.h"

#include <QCoreApplication>

namespace suispo {
namespace {

QString Worded(const char* text) { return QCoreApplication::translate("Verdict", text); }

}  // namespace

QString VerdictText(const ClearVerdict& verdict) {
  // The count in the words of its language: "1 move", "7 moves" in English, one form in Japanese.
  QString text = QCoreApplication::translate("Verdict", "%n手でクリア", nullptr, verdict.moves);
  const QString newBest = verdict.newBest ? Worded(QT_TRANSLATE_NOOP("Verdict", " 新記録！")) : QString();
  if (verdict.hintWithheldStar) return text + Worded(QT_TRANSLATE_NOOP("Verdict", " ヒントを使ったので★はつきません")) + newBest;
  if (verdict.par) text += Worded(QT_TRANSLATE_NOOP("Verdict", "（最短 %1手）")).arg(*verdict.par);
  if (verdict.star) text += QStringLiteral("★");
  return text + newBest;
}

}  // namespace suispo
