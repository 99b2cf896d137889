// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Keys that press a button: a key acts exactly as a click, and only while the button could be clicked.
#pragma once

#include <initializer_list>

#include <QKeySequence>

class QAbstractButton;

namespace suispo {

// Each key clicks the button while the button is shown and enabled and its window is the active
// one: never while a question, the About box or the file dialog has the focus. A key held down
// presses once.
void PressOnKeys(QAbstractButton* button, std::initializer_list<QKeySequence> keys);

}  // namespace suispo
