// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// notify() overridden so that each dispatched event runs under RunReportingErrors.
#include "app/program/error_reporting_application.h"

#include "app/platform/application_title.h"

#include "app/window/error_report.h"

namespace suispo {

ErrorReportingApplication::ErrorReportingApplication(int& argc, char** argv, Dialogs& dialogs)
    : QApplication(argc, argv), dialogs_(dialogs) {
  // The name is the window class on X11 (Latin-1 there), which docks match to the desktop entry's
  // StartupWMClass. No display name is set: Qt would append it to every other window's title.
  setApplicationName(QStringLiteral("suispo"));
  // Ties the windows to the installed desktop entry (its icon and name in the task bar); Wayland's
  // app id.
  setDesktopFileName(QStringLiteral("org.example.suispo"));
}

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event) {
  // The window's own handlers catch at their connection (see MainForm::Connect), because Qt's
  // widget code is built without unwinding cleanups; this catches whatever else escapes.
  bool handled = false;
  RunReportingErrors(dialogs_, [&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace suispo
