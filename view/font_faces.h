// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's two Gothic faces, each followed by the face that stands in for it where it is missing,
// so Japanese text never falls back to a Latin font.
#pragma once

#include <QString>
#include <QStringList>

namespace suispo {

// The proportional Gothic face: labels, buttons and the stage name.
inline QStringList ProportionalGothic() { return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")}; }
// The fixed-pitch Gothic face: the stage list.
inline QStringList FixedGothic() { return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")}; }

}  // namespace suispo
