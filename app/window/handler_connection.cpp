// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Buttons and menu items connected to handlers under the error report.
#include "app/window/handler_connection.h"

#include <QAbstractButton>
#include <QAction>

#include "app/window/error_report.h"

namespace suispo {

void OnClick(QAbstractButton* button, Dialogs& dialogs, std::function<void()> handler) {
  QObject::connect(button, &QAbstractButton::clicked, button,
                   [&dialogs, handler = std::move(handler)] { RunReportingErrors(dialogs, handler); });
}

void OnTrigger(QAction* action, Dialogs& dialogs, std::function<void()> handler) {
  QObject::connect(action, &QAction::triggered, action,
                   [&dialogs, handler = std::move(handler)] { RunReportingErrors(dialogs, handler); });
}

}  // namespace suispo
