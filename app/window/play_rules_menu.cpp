// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The play's choices in the game menu: how far undo reaches, and whether a press during a move waits.
#include "app/window/play_rules_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/store/stage_store.h"
#include "core/game/game.h"

namespace suispo {

void PlayRulesMenu::Add(QMenu& gameMenu, StageStore& store, Game& game) {
  QMenu* depth = gameMenu.addMenu(tr("戻せる回数(&U)"));
  depth->setObjectName(QStringLiteral("undoMenu"));
  auto* group = new QActionGroup(depth);
  // In the order of UndoDepth.
  const QString choices[] = {QStringLiteral("5"), tr("無制限")};
  for (int i = 0; i < 2; ++i) {
    QAction* item = depth->addAction(choices[i]);
    item->setObjectName(QStringLiteral("undoMenu%1").arg(i));
    item->setCheckable(true);
    group->addAction(item);
    QObject::connect(item, &QAction::triggered, depth, [&store, i] { store.undoDepth = static_cast<UndoDepth>(i); });
  }
  QObject::connect(depth, &QMenu::aboutToShow, depth,
                   [group, &store] { group->actions().at(static_cast<int>(store.undoDepth))->setChecked(true); });

  QAction* typeAhead = gameMenu.addAction(tr("先行入力(&T)"));
  typeAhead->setObjectName(QStringLiteral("typeAheadMenu"));
  typeAhead->setCheckable(true);
  QObject::connect(typeAhead, &QAction::triggered, typeAhead, [&store, &game](bool on) {
    store.typeAhead = on ? 1 : 0;
    game.typeAhead = on;
  });
  QObject::connect(&gameMenu, &QMenu::aboutToShow, typeAhead,
                   [typeAhead, &store] { typeAhead->setChecked(store.typeAhead != 0); });
}

}  // namespace suispo
