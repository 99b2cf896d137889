// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The one place where an error that escaped a handler is shown to the player; the program goes on.
#pragma once

#include <functional>

#include <QString>

#include "app/window/dialogs.h"

namespace suispo {

// The text of the report: a full stop is appended when the last character sorts after ".".
QString ErrorReportText(const QString& message);

// Runs handler; an exception escaping it is shown in an error box captioned with the application
// title, and the caller goes on. Returns false when an error was reported.
bool RunReportingErrors(Dialogs& dialogs, const std::function<void()>& handler);
// The same with the error written to the error output: for a path where no box may wait for an
// answer (the program ending on a signal).
bool RunReportingErrorsToOutput(const std::function<void()>& handler);

}  // namespace suispo
