// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage name on its plate: the font, its room and where the centred name starts.
#pragma once

#include <QFont>
#include <QStringList>

namespace suispo {

// The proportional Gothic face with its stand-in (view/font_faces.h), 13 pixels, bold.
QFont NameFont();

// The room for a name on the plate; a wider name is shortened to it, ending in "…".
inline constexpr int kNameRoom = 288;

// The text's lines on the plate: one, ending in "…" when too wide; or, with twoLines, a text too wide
// for one line on two that each fit, broken at the space that evens them best (else between Japanese
// characters), the second shortened only when even two lines do not hold it.
QStringList PlateLines(const QString& shown, bool twoLines);

// Left edge of a name w pixels wide, centred on x = 164 of the surface: (288 - w) / 2 truncated
// toward zero, plus 20. A name wider than 288 starts left of 20.
constexpr int NameLeft(int textWidth) { return (kNameRoom - textWidth) / 2 + 20; }

}  // namespace suispo
