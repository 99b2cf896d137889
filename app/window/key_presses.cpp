// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Shortcuts bound to a button's click, acting only while the button is shown and enabled.
#include "app/window/key_presses.h"

#include <QAbstractButton>
#include <QShortcut>

namespace suispo {

void PressOnKeys(QAbstractButton* button, std::initializer_list<QKeySequence> keys) {
  for (const QKeySequence& key : keys) {
    // Owned by the button, the shortcut is live only while the button is visible and enabled.
    auto* shortcut = new QShortcut(key, button);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
  }
}

}  // namespace suispo
