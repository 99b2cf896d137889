// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The gates in the editor's words: each row's measure as the figure it passed or failed by.
#include "app/window/editor/gate_words.h"

#include <QCoreApplication>
#include <QStringList>

namespace suispo {

namespace {

QString Tr(const char* text, int n = -1) { return QCoreApplication::translate("EditorGates", text, nullptr, n); }

QString Percent(double share) { return QString::number(static_cast<int>(share * 100 + 0.5)); }

// The mechanics present whose removal leaves the par: what G2 finds not needed.
QString NotNeeded(const StageMeasures& m) {
  static const std::pair<unsigned, const char*> kWords[] = {
      {kHoles, QT_TRANSLATE_NOOP("EditorGates", "穴")},
      {kArrows, QT_TRANSLATE_NOOP("EditorGates", "矢印")},
      {kWarps, QT_TRANSLATE_NOOP("EditorGates", "ワープ")},
      {kMarkedEdges, QT_TRANSLATE_NOOP("EditorGates", "市松の辺")},
  };
  QStringList words;
  for (const auto& [bit, word] : kWords) {
    if ((m.present & bit) != 0 && (m.needed & bit) == 0) words << Tr(word);
  }
  if (!m.wallPointsNeeded) words << Tr(QT_TRANSLATE_NOOP("EditorGates", "壁ポイント"));
  if (words.isEmpty()) return Tr(QT_TRANSLATE_NOOP("EditorGates", "すべて必要"));
  return Tr(QT_TRANSLATE_NOOP("EditorGates", "不要: %1")).arg(words.join(Tr(QT_TRANSLATE_NOOP("EditorGates", "、"))));
}

QString Figure(Gate gate, const StageMeasures& m) {
  switch (gate) {
    case Gate::kOneIdea:
    case Gate::kFewIdeas:
      return m.ideas < 0 ? Tr(QT_TRANSLATE_NOOP("EditorGates", "考え方 調べきれず"))
                         : Tr(QT_TRANSLATE_NOOP("EditorGates", "考え方 %n 通り"), m.ideas);
    case Gate::kMechanicsNeeded: return NotNeeded(m);
    case Gate::kNoInertPiece: return Tr(QT_TRANSLATE_NOOP("EditorGates", "働かない部品 %n 個"), static_cast<int>(m.inert.size()));
    case Gate::kWallsGrouped:
      return Tr(QT_TRANSLATE_NOOP("EditorGates", "壁のまとまり %1")).arg(m.wallGroupMean, 0, 'f', 1);
    case Gate::kSymmetricLook:
      return Tr(QT_TRANSLATE_NOOP("EditorGates", "対称 %1 %")).arg(Percent(m.symmetry));
    case Gate::kFewKinds:
      return Tr(QT_TRANSLATE_NOOP("EditorGates", "仕掛け %1 種、ワープ %2 色")).arg(m.kinds).arg(m.warpColours);
    case Gate::kWallPointsExact:
      return m.wallPointsExact ? Tr(QT_TRANSLATE_NOOP("EditorGates", "壁ポイントちょうど"))
                               : Tr(QT_TRANSLATE_NOOP("EditorGates", "壁ポイントが多すぎるか足りない"));
    case Gate::kNoPadding:
      return Tr(QT_TRANSLATE_NOOP("EditorGates", "くり返し %1 %、連続 %2"))
          .arg(Percent(m.padding.Share()))
          .arg(m.padding.longestRun);
    case Gate::kForcing:
      return m.nearParClears < 0 ? Tr(QT_TRANSLATE_NOOP("EditorGates", "最短+1 以内の解 調べきれず"))
                                 : Tr(QT_TRANSLATE_NOOP("EditorGates", "最短+1 以内の解 %n 通り"), m.nearParClears);
    case Gate::kNotTrivial:
      return Tr(QT_TRANSLATE_NOOP("EditorGates", "でたらめでクリア %1 %")).arg(Percent(m.randomClearRate));
  }
  return {};
}

}  // namespace

QString GateLine(const GateRule& rule, bool passed, const StageMeasures& m) {
  return QStringLiteral("%1 %2  %3").arg(passed ? QStringLiteral("\u25CB") : QStringLiteral("\u00D7"),
                                         QString::fromLatin1(rule.name), Figure(rule.gate, m));
}

}  // namespace suispo
