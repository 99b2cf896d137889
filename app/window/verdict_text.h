// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the name plate says after a clear, worded from the record's verdict.
#pragma once

#include <QString>

#include "app/store/play_records.h"

namespace suispo {

// "%1手でクリア", then "（最短 %1手）" when the par is known, "★" when earned and " 新記録！" for a
// new best; a clear the hint kept from its star says " ヒントを使ったので★はつきません" in place of
// the par (the plate is narrow). Through Qt's translation, context "Verdict".
QString VerdictText(const ClearVerdict& verdict);

// The verdict kept beside the stage select screen's preview, where there is room: the count, the par
// when known, ★ or ☆, " 新記録！", and on a line of its own why a hint kept the star away.
QString KeptVerdictText(const ClearVerdict& verdict);

}  // namespace suispo
