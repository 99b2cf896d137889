// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Dialogs answered by the test: queued Yes/No answers, a chosen file, and a record of what was shown.
#pragma once

#include <deque>
#include <vector>

#include "app/window/dialogs.h"

namespace suispo::test {

class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    QString caption;
    QString text;
  };

  bool AskYesNo(QWidget*, const QString& caption, const QString& text) override {
    questions.push_back({caption, text});
    if (answers.empty()) return false;  // an unplanned question is answered No and shows in `questions`
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  std::optional<QString> ChooseStageFile(QWidget*) override {
    ++fileChoices;
    return chosenFile;
  }
  void ShowMessage(QWidget*, const QString& caption, const QString& text) override {
    messages.push_back({caption, text});
  }
  std::optional<StagePreset> ChoosePreset(QWidget*) override { return preset; }
  void ShowError(const QString& caption, const QString& text) override { errors.push_back({caption, text}); }
  std::optional<QString> AskText(QWidget*, const QString&, const QString&) override {
    ++textAsks;
    return typedText;
  }
  std::optional<int> ChooseItem(QWidget*, const QString&, const QString&, const QStringList& items) override {
    offeredItems = items;
    return chosenItem;
  }

  void Reset() { *this = FakeDialogs(); }

  std::deque<bool> answers;
  std::optional<QString> chosenFile;
  std::optional<StagePreset> preset;
  std::optional<QString> typedText;  // AskText's answer
  std::optional<int> chosenItem;     // ChooseItem's answer
  QStringList offeredItems;          // what ChooseItem offered last
  int textAsks = 0;
  std::vector<Shown> questions;
  std::vector<Shown> errors;
  std::vector<Shown> messages;
  int fileChoices = 0;
};

// The dialogs of the test application (see window_test_main.cpp).
FakeDialogs& TestDialogs();

}  // namespace suispo::test
