// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The application's title: the main window's caption, the error boxes' caption, the program's display name.
#pragma once

#include <QString>

namespace suispo {

inline const QString kApplicationTitle = QStringLiteral("すいすいぽ。");

}  // namespace suispo
