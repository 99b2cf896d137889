// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The dialogs as the player sees them: Qt message boxes and Qt's own file dialog.
#pragma once

#include "app/window/dialogs.h"

namespace suispo {

class QtDialogs : public Dialogs {
 public:
  bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QString> ChooseStageFile(QWidget* parent) override;
  void ShowMessage(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<StagePreset> ChoosePreset(QWidget* parent) override;
  void ShowError(const QString& caption, const QString& text) override;
  std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& label) override;
  std::optional<int> ChooseItem(QWidget* parent, const QString& caption, const QString& label,
                                const QStringList& items) override;
};

}  // namespace suispo
