// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Room for a dialog's title: the window manager shortens a title wider than the frame leaves for it.
#pragma once

class QWidget;

namespace suispo {

// The width a window needs for its whole title beside the frame's icon and buttons, in its font.
int TitleWidthNeeded(const QWidget& window);
// The window made at least that wide.
void WideEnoughForTitle(QWidget& window);

}  // namespace suispo
