// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The report's text (the full stop rule) and the guard that catches an escaped error and shows it.
#include "app/window/error_report.h"

#include "app/platform/application_title.h"
#include "core/text/several_errors.h"
#include "view/message_text.h"

#include <QStringList>

#include <cstdio>
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

namespace {

// The words of an error; of several, each told on its own line.
QString MessageOf(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const SeveralErrors& several) {
    QStringList lines;
    for (const std::exception_ptr& each : several.errors) lines << ErrorReportText(MessageOf(each));
    return lines.join(QLatin1Char('\n'));
  } catch (const GameError& error) {
    return MessageText(error);
  } catch (const std::exception& error) {
    return QString::fromUtf8(error.what());
  } catch (...) {
    return QCoreApplication::translate("suispo::ErrorReport", "予期しないエラーが発生しました");
  }
}

// Runs handler; the message of an exception escaping it goes to report.
bool RunCatching(const std::function<void()>& handler, const std::function<void(const QString&)>& report) {
  std::exception_ptr error;
  try {
    handler();
    return true;
  } catch (...) {
    error = std::current_exception();
  }
  // Reported outside the catch so that a nested report cannot meet a half-unwound exception.
  report(ErrorReportText(MessageOf(error)));
  return false;
}

}  // namespace

bool RunReportingErrors(Dialogs& dialogs, const std::function<void()>& handler) {
  return RunCatching(handler, [&dialogs](const QString& text) { dialogs.ShowError(ApplicationTitle(), text); });
}

bool RunReportingErrorsToOutput(const std::function<void()>& handler) {
  return RunCatching(handler, [](const QString& text) {
    std::fprintf(stderr, "suispo: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
  });
}

}  // namespace suispo
