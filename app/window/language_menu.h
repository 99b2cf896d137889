// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// 表示 > 言語 (Language): the language the game is shown in from the next start.
#pragma once

#include <QCoreApplication>

class QMenu;
class QWidget;

namespace suispo {

class Dialogs;
class StageStore;

class LanguageMenu {
  Q_DECLARE_TR_FUNCTIONS(LanguageMenu)

 public:
  // Adds 言語 (Language) > 日本語 / English to view. Choosing the language the store does not hold
  // yet keeps it there (written at close) and says, in both languages, that it holds from the next
  // start: the texts were chosen before the window was built. The mark follows the store's setting
  // each time the menu opens.
  static void Add(QMenu* view, StageStore& store, Dialogs& dialogs, QWidget* parent);
};

}  // namespace suispo
