// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// SIGTERM and SIGINT close the window as its close button does, so the settings are kept.
#pragma once

class QWidget;

namespace suispo {

// From now on a termination signal (the session ending, a kill, Ctrl+C in the terminal) closes
// window on the interface thread: its close handler writes the settings and the program ends
// normally. Call once, after the window is made.
void CloseOnTerminationSignal(QWidget* window);

}  // namespace suispo
