// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// SIGTERM and SIGINT close the window as its close button does, so the settings are kept.
#pragma once

namespace suispo {

class MainForm;

// From now on a termination signal (the session ending, a kill, Ctrl+C in the terminal) ends the
// program on the interface thread (MainForm::EndOnSignal): its close handler writes the settings
// without waiting on a box, and the program ends normally. Call once, after the window is made.
void CloseOnTerminationSignal(MainForm* window);

}  // namespace suispo
