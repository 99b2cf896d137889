// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The application object: every event it dispatches runs under the error report.
#pragma once

#include <QApplication>

#include "app/window/dialogs.h"

namespace suispo {

class ErrorReportingApplication : public QApplication {
 public:
  ErrorReportingApplication(int& argc, char** argv, Dialogs& dialogs);

  bool notify(QObject* receiver, QEvent* event) override;

  Dialogs& dialogs() { return dialogs_; }

 private:
  Dialogs& dialogs_;
};

}  // namespace suispo
