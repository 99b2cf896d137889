// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The colours every picture of the game shares, so the atlas, background and glyphs match.
#pragma once

#include <QColor>

namespace suispo::art {

// Transparent ground of the title lettering and the button glyphs: the window does not draw it.
inline const QColor kSilver{192, 192, 192};

// Ice.
inline const QColor kIce{206, 232, 246};
inline const QColor kIceDeep{178, 214, 236};
inline const QColor kIceGlint{240, 250, 255};
inline const QColor kIceBevelLight{250, 254, 255};
inline const QColor kIceBevelDark{128, 170, 200};

// The character: a round penguin in a red knitted cap.
inline const QColor kInk{22, 30, 58};  // outlines; never pure black, which the mask reserves
inline const QColor kCoat{46, 70, 138};
inline const QColor kCoatLight{78, 108, 184};
inline const QColor kBelly{250, 250, 244};
inline const QColor kBeak{250, 160, 40};
inline const QColor kCap{222, 46, 58};
inline const QColor kCapDark{160, 24, 36};
inline const QColor kCheek{255, 150, 160};

// Board things.
inline const QColor kGold{255, 208, 40};
inline const QColor kGoldDark{176, 112, 10};
inline const QColor kGoldLight{255, 244, 170};
inline const QColor kWood{160, 98, 50};
inline const QColor kWoodDark{96, 54, 24};
inline const QColor kWoodLight{204, 140, 80};
inline const QColor kArrow{36, 104, 224};
inline const QColor kArrowDark{16, 50, 130};
inline const QColor kHoleBlue{24, 70, 190};
inline const QColor kBeam{206, 36, 36};
inline const QColor kBeamDark{130, 14, 20};
inline const QColor kBeamLight{250, 110, 100};
inline const QColor kMarkBlue{16, 44, 168};
inline const QColor kMarkLight{255, 255, 255};
inline const QColor kMarkRim{6, 12, 48};

// Stone and lettering.
inline const QColor kStone{112, 112, 118};
inline const QColor kStoneLight{168, 168, 174};
inline const QColor kStoneDark{54, 54, 60};
inline const QColor kPanel{52, 56, 66};
inline const QColor kLetterBlue{70, 90, 230};
inline const QColor kLetterViolet{130, 60, 200};
inline const QColor kLetterInk{40, 20, 90};

}  // namespace suispo::art
