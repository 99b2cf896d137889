// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Share codes in the window: Game > コードをコピー (Ctrl+Shift+C) on every screen, and a code played
// from Game > コードから遊ぶ… or Ctrl+V on the stage select screen, kept in a stage file of the player's.
#pragma once

#include <functional>

#include <QCoreApplication>
#include <QObject>

#include "app/store/local_time.h"
#include "core/rules/stage_line.h"

class QAction;
class QMenu;

namespace suispo {

class Dialogs;
class PlayScreen;
class StageEditorScreen;
class StageSelectScreen;
class StageStore;

// The code of the stage on the clipboard; what any screen's copy button calls (the editor's too).
void CopyShareCode(const StageLine& line);

class ShareCodeActions : public QObject {
  Q_DECLARE_TR_FUNCTIONS(ShareCodeActions)

 public:
  struct Parts {
    StageSelectScreen& select;
    PlayScreen& play;
    const StageEditorScreen& editor;  // its copy takes the stage as edited
    StageStore& store;
    Dialogs& dialogs;
    std::function<LocalTime()> now;  // names a new stage file
  };
  // Adds the two items to gameMenu and Ctrl+V to the stage select screen.
  ShareCodeActions(QMenu& gameMenu, Parts parts, QObject* parent);

  // コードをコピー: the stage being played or edited, or the one selected on the stage select screen.
  void copyCodeMenuClick();
  // コードから遊ぶ…: a code typed or pasted into a field, then as PlayCode.
  void playCodeMenuClick();
  // A code: refused with its GameError before anything is asked or written; else the player says
  // whether to play it and where to keep it (one of their stage files in the stage folder, or a new
  // one), and it is added there by the safe save of a clear and played.
  void PlayCode(const QString& text);

  QAction* copyCodeMenu = nullptr;
  QAction* playCodeMenu = nullptr;  // enabled on the stage select screen only

 private:
  // The stage file the player keeps the stage in, with the stage added; "" when cancelled.
  std::string KeepStage(const StageLine& line);

  Parts parts_;
};

}  // namespace suispo
