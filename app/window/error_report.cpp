// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The report's text (the full stop rule) and the guard that catches an escaped error and shows it.
#include "app/window/error_report.h"

#include "app/platform/application_title.h"
#include "view/message_text.h"

#include <exception>

namespace suispo {

QString ErrorReportText(const QString& message) {
  if (message.isEmpty()) return message;
  // Compare whole characters: a character outside the basic plane ends in a low surrogate.
  char32_t last = message.back().unicode();
  if (message.back().isLowSurrogate() && message.size() >= 2) {
    last = QChar::surrogateToUcs4(message.at(message.size() - 2), message.back());
  }
  return last > U'.' ? message + QLatin1Char('.') : message;
}

bool RunReportingErrors(Dialogs& dialogs, const std::function<void()>& handler) {
  QString message;
  try {
    handler();
    return true;
  } catch (const GameError& error) {
    message = MessageText(error);
  } catch (const std::exception& error) {
    message = QString::fromUtf8(error.what());
  } catch (...) {
    message = QCoreApplication::translate("suispo::ErrorReport", "予期しないエラーが発生しました");
  }
  // Shown outside the catch so that a nested report cannot meet a half-unwound exception.
  dialogs.ShowError(ApplicationTitle(), ErrorReportText(message));
  return false;
}

}  // namespace suispo
