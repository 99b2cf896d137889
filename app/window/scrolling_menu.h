// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A menu that scrolls when it is taller than the screen, instead of spreading into columns.
#pragma once

class QMenu;

namespace suispo {

// From now on menu shows a long list (thousands of stage files) as one scrolling column.
void MakeScrolling(QMenu& menu);

}  // namespace suispo
