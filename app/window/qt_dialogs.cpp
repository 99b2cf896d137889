// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// QMessageBox questions and errors, and the stage file chooser, with the captions and filter the game uses.
#include "app/window/qt_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>

#include "app/store/stage_collection.h"
#include "app/window/dialog_fit.h"
#include "app/window/new_stages_progress.h"

namespace suispo {

namespace {

// The seconds ten stages of each preset took on the machine the game was made on, rounded up: the
// processor time of one run each of `suispo-stage generate --preset P --count 10 --threads 1` (0.1,
// 0.4, 20.4 and 44.0 s; the game uses every core, so it is seldom slower). In the order of kPresets.
constexpr int kPresetSeconds[] = {1, 1, 21, 45};

}  // namespace

bool QtDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::ChooseStageFile(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // A typed name need not exist: opening it then reports that it cannot be opened.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QCoreApplication::translate("suispo::QtDialogs", "ステージデータ (*.ssp)"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

void QtDialogs::ShowMessage(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

namespace {

// QInputDialog lays itself out as it shows, at the size of its controls alone: then it is widened for
// its title.
class PresetChooser : public QInputDialog {
 public:
  using QInputDialog::QInputDialog;

 protected:
  void showEvent(QShowEvent* event) override {
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    WideEnoughForTitle(*this);
    if (width() < minimumWidth()) resize(minimumWidth(), height());
    QInputDialog::showEvent(event);
  }
};

}  // namespace

std::unique_ptr<QInputDialog> PresetDialog(QWidget* parent) {
  QStringList names;
  for (const PresetEntry& preset : kPresets) {
    const int seconds = kPresetSeconds[static_cast<std::size_t>(preset.preset)];
    names.append(QCoreApplication::translate("suispo::QtDialogs", "%1（約 %n 秒）", nullptr, seconds)
                     .arg(PresetLabel(preset.preset)));
  }
  const QString about = QCoreApplication::translate("suispo::QtDialogs", "%n 個のステージを作ります。", nullptr,
                                                    kNewStageCount);
  auto dialog = std::make_unique<PresetChooser>(parent);
  dialog->setWindowTitle(QCoreApplication::translate("suispo::QtDialogs", "新しいステージを作る"));
  dialog->setLabelText(about + QLatin1Char('\n') + QCoreApplication::translate("suispo::QtDialogs", "むずかしさ:"));
  dialog->setComboBoxItems(names);
  dialog->setComboBoxEditable(false);
  dialog->setTextValue(names.at(1));
  return dialog;
}

std::optional<StagePreset> QtDialogs::ChoosePreset(QWidget* parent) {
  const std::unique_ptr<QInputDialog> dialog = PresetDialog(parent);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const int chosen = dialog->comboBoxItems().indexOf(dialog->textValue());
  if (chosen < 0) return std::nullopt;
  return static_cast<StagePreset>(chosen);
}

void QtDialogs::ShowError(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
  box.exec();
}

std::optional<QString> QtDialogs::AskText(QWidget* parent, const QString& caption, const QString& label) {
  bool given = false;
  const QString text = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, {}, &given);
  if (!given) return std::nullopt;
  return text;
}

std::optional<int> QtDialogs::ChooseItem(QWidget* parent, const QString& caption, const QString& label,
                                         const QStringList& items) {
  bool chosen = false;
  const QString item = QInputDialog::getItem(parent, caption, label, items, 0, false, &chosen);
  if (!chosen) return std::nullopt;
  return static_cast<int>(items.indexOf(item));
}

}  // namespace suispo
