// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Game > 戻せる回数 and 先行入力: the two choices of how a play is played, kept in the settings.
#pragma once

#include <QCoreApplication>

class QMenu;

namespace suispo {

class Game;
class StageStore;

class PlayRulesMenu {
  Q_DECLARE_TR_FUNCTIONS(PlayRulesMenu)

 public:
  // Adds 戻せる回数 > 5 / 無制限 ("undoMenu0", "undoMenu1") and 先行入力 ("typeAheadMenu") to
  // gameMenu. The undo depth holds from the next start of a stage (PlayScreen reads the store): a
  // history of five cannot become a whole one halfway. Type-ahead holds at once. The marks follow
  // the store each time the menu opens.
  static void Add(QMenu& gameMenu, StageStore& store, Game& game);
};

}  // namespace suispo
