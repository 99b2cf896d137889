// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The share code's menu items and paste key: copy to the clipboard, play a pasted code.
#include "app/window/share_code_actions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

#include "app/store/file_paths.h"
#include "app/store/stage_append.h"
#include "app/window/dialogs.h"
#include "app/window/editor/stage_editor_screen.h"
#include "app/window/error_report.h"
#include "app/window/play_screen.h"
#include "app/window/stage_select_screen.h"
#include "core/files/share_code.h"
#include "core/text/display_text.h"

namespace suispo {

void CopyShareCode(const StageLine& line) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(ShareCode(line)));
}

ShareCodeActions::ShareCodeActions(QMenu& gameMenu, Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {
  auto reporting = [this](std::function<void()> handler) {
    return [this, handler = std::move(handler)] { RunReportingErrors(parts_.dialogs, handler); };
  };
  copyCodeMenu = gameMenu.addAction(tr("コードをコピー(&C)"));
  copyCodeMenu->setObjectName(QStringLiteral("copyCodeMenu"));
  copyCodeMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(copyCodeMenu, &QAction::triggered, this, reporting([this] { copyCodeMenuClick(); }));
  playCodeMenu = gameMenu.addAction(tr("コードから遊ぶ(&P)…"));
  playCodeMenu->setObjectName(QStringLiteral("playCodeMenu"));
  connect(playCodeMenu, &QAction::triggered, this, reporting([this] { playCodeMenuClick(); }));
  // A code is played from the stage select screen only: a play in progress is never cut short.
  connect(&gameMenu, &QMenu::aboutToShow, this, [this] { playCodeMenu->setEnabled(parts_.select.isVisible()); });
  auto* paste = new QShortcut(QKeySequence::Paste, &parts_.select);
  paste->setContext(Qt::WidgetWithChildrenShortcut);
  connect(paste, &QShortcut::activated, this,
          reporting([this] { PlayCode(QGuiApplication::clipboard()->text()); }));
}

void ShareCodeActions::copyCodeMenuClick() {
  if (parts_.editor.isVisible()) return CopyShareCode(parts_.editor.edit().Line());
  int index = -1;
  if (parts_.play.isVisible()) index = parts_.play.game().stageIndex;
  if (parts_.select.isVisible()) index = parts_.select.SelectedStage();
  const std::vector<StageLine>& lines = parts_.store.dataList;
  if (index >= 0 && static_cast<std::size_t>(index) < lines.size()) CopyShareCode(lines[static_cast<std::size_t>(index)]);
}

void ShareCodeActions::playCodeMenuClick() {
  if (!parts_.select.isVisible()) return;
  const std::optional<QString> text =
      parts_.dialogs.AskText(&parts_.select, tr("コードから遊ぶ"), tr("ステージのコード:"));
  if (text) PlayCode(*text);
}

void ShareCodeActions::PlayCode(const QString& text) {
  const StageLine line = DecodeShareCode(text.toStdString());
  const QString name = QString::fromStdString(DisplayText(StageName(line)));
  if (!parts_.dialogs.AskYesNo(&parts_.select, tr("コードから遊ぶ"), tr("ステージ「%1」を遊びますか？").arg(name))) return;
  const std::string path = KeepStage(line);
  if (path.empty()) return;
  parts_.select.PlayLastStageOf(path);
}

std::string ShareCodeActions::KeepStage(const StageLine& line) {
  std::vector<std::string> files;
  QStringList items;
  for (const ShelfEntry& entry : parts_.select.shelf()) {
    if (entry.kind != ShelfEntry::Kind::kFile || !SameFolder(FolderOf(entry.path), parts_.store.StageFolder())) continue;
    files.push_back(entry.path);
    items.append(QString::fromStdString(entry.label));
  }
  items.append(tr("新しいステージファイル"));
  const std::optional<int> chosen =
      parts_.dialogs.ChooseItem(&parts_.select, tr("コードから遊ぶ"), tr("ステージを加えるファイル:"), items);
  if (!chosen || *chosen < 0 || *chosen >= items.size()) return {};
  if (static_cast<std::size_t>(*chosen) == files.size()) {
    return NewStageFile(parts_.store.StageFolder(), "code ", parts_.now(), line);
  }
  const std::string& path = files[static_cast<std::size_t>(*chosen)];
  AppendStage(path, line);
  return path;
}

}  // namespace suispo
