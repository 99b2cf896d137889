// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// How far back undo reaches: the game's five operations, or the whole play with its misses.
#pragma once

namespace suispo {

// In the order of the setting's words "5", "unlimited".
enum class UndoDepth { kFive, kUnlimited };

}  // namespace suispo
