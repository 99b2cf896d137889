// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the stage editor says of each gate of the gate table: its short name and the figure it read.
#pragma once

#include <QString>

#include "core/design/gates.h"

namespace suispo {

// "○ G1 考え方 1" when passed, "× …" when failed: the mark, the gate's name and its measure.
QString GateLine(const GateRule& rule, bool passed, const StageMeasures& m);

}  // namespace suispo
