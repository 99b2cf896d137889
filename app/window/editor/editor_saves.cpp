// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's saves: the stage's own line replaced, the stage appended to a stage file the player
// chooses, or a new stage file in the stage folder; a saved stage starts uncleared.
#include <QFile>

#include "app/store/stage_append.h"
#include "app/window/editor/stage_editor_screen.h"

namespace suispo {

void StageEditorScreen::SaveOver() {
  if (showing_) return;
  TakeName();
  if (row_ < 0) {
    // A blank board has no line of its own yet.
    SaveNew();
    return;
  }
  row_ = store_.ReplaceStage(row_, edit_.Line());
  Saved();
}

void StageEditorScreen::SaveAppended() {
  if (showing_) return;
  TakeName();
  const std::optional<QString> path = dialogs_.ChooseStageFile(window());
  if (!path) return;
  const std::string file = QFile::encodeName(*path).toStdString();
  AppendStage(file, edit_.Line());
  // The list shows the file as it is now when the stage went into the file on it.
  if (file == store_.CurrentPath()) store_.LoadFile(file);
  Saved();
}

void StageEditorScreen::SaveNew() {
  if (showing_) return;
  TakeName();
  const std::string path = NewStageFile(store_.StageFolder(), "edit ", now_(), edit_.Line());
  dialogs_.ShowMessage(window(), tr("保存"),
                       tr("新しいステージファイル「%1」に保存しました。").arg(QFile::decodeName(path.c_str())));
  Saved();
}

void StageEditorScreen::Saved() { unsaved_ = false; }

}  // namespace suispo
