// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The questions, the file choice and the error box, behind an interface so tests can answer them.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "core/design/generator.h"

class QWidget;

namespace suispo {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal Yes/No question without an icon, Yes the default; true only for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
  // The file-open dialog for stage files; nothing when cancelled.
  virtual std::optional<QString> ChooseStageFile(QWidget* parent) = 0;
  // A modal message box with OK and the information icon.
  virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text) = 0;
  // The preset of a new stage file (入門, ふつう, むずかしい, 達人); nothing when cancelled.
  virtual std::optional<StagePreset> ChoosePreset(QWidget* parent) = 0;
  // A modal error box with OK and the error icon.
  virtual void ShowError(const QString& caption, const QString& text) = 0;
  // A line of text typed or pasted into a field; nothing when cancelled.
  virtual std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& label) = 0;
  // One of items (its index), the first offered; nothing when cancelled.
  virtual std::optional<int> ChooseItem(QWidget* parent, const QString& caption, const QString& label,
                                        const QStringList& items) = 0;
};

}  // namespace suispo
