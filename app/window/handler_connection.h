// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A handler bound to a button or a menu item that runs under the error report, so an error never
// unwinds through Qt's frames.
#pragma once

#include <functional>

#include "app/window/dialogs.h"

class QAbstractButton;
class QAction;

namespace suispo {

void OnClick(QAbstractButton* button, Dialogs& dialogs, std::function<void()> handler);
void OnTrigger(QAction* action, Dialogs& dialogs, std::function<void()> handler);

}  // namespace suispo
