// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Marks a text the player reads that the Qt-free core keeps as data (a cell kind's word, a preset's
// label). The core hands the text on as it stands; the window and the stage tool show it through Qt's
// translation with the same context, and lupdate reads the mark as QT_TRANSLATE_NOOP.
#pragma once

#define SUISPO_TR_NOOP(context, text) text
