// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The application's title: the main window's caption, the error boxes' caption, the program's display name.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace suispo {

// Translated when asked for, so it follows the translation installed by then.
inline QString ApplicationTitle() { return QCoreApplication::translate("suispo::ApplicationTitle", "すいすいぽ。"); }

}  // namespace suispo
