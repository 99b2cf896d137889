// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The language menu: its two items, the setting they choose and the note that it holds from the next start.
#include "app/window/language_menu.h"

#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/store/stage_store.h"
#include "app/window/dialogs.h"

namespace suispo {

void LanguageMenu::Add(QMenu* view, StageStore& store, Dialogs& dialogs, QWidget* parent) {
  // "Language" stands in the Japanese item too, so a player who reads no Japanese finds it.
  QMenu* menu = view->addMenu(tr("言語 (Language)(&L)"));
  menu->setObjectName(QStringLiteral("languageMenu"));
  auto* group = new QActionGroup(menu);
  // Each language by its own name; the note in both, since the player may read only one of them.
  const std::pair<QString, QString> choices[] = {
      {tr("日本語"), tr("次に起動したときから日本語で表示します。\nThe game will be in Japanese from the next start.")},
      {tr("English"), tr("次に起動したときから英語で表示します。\nThe game will be in English from the next start.")}};
  for (int i = 0; i < 2; ++i) {
    const auto language = static_cast<Language>(i);
    QAction* item = menu->addAction(choices[i].first);
    item->setObjectName(QStringLiteral("languageMenu%1").arg(i));
    item->setCheckable(true);
    group->addAction(item);
    QObject::connect(item, &QAction::triggered, menu, [&store, &dialogs, parent, language, note = choices[i].second] {
      if (store.language == language) return;
      store.language = language;
      dialogs.ShowMessage(parent, tr("言語 (Language)"), note);
    });
  }
  QObject::connect(menu, &QMenu::aboutToShow, menu,
                   [group, &store] { group->actions().at(static_cast<int>(store.language))->setChecked(true); });
}

}  // namespace suispo
