// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where the stage editor's controls stand at 100 % (client pixels; the zoom multiplies them): the board
// on the left with the name and wall points under it, the palette, the figures and the buttons right.
#pragma once

#include <cstddef>

#include "assets/play_screen_layout.h"

namespace suispo::editor {

inline constexpr int kFontPixels = 11;

inline constexpr layout::Rect kBoard{4, 4, 300, 300};  // the 296 x 296 board image
inline constexpr layout::Rect kNameCaption{4, 306, 40, 324};
inline constexpr layout::Rect kNameField{40, 304, 300, 324};
inline constexpr layout::Rect kWallPointsCaption{4, 328, 70, 346};
inline constexpr layout::Rect kWallPointsField{70, 327, 110, 347};
inline constexpr layout::Rect kUndoButton{124, 327, 210, 347};
inline constexpr layout::Rect kRedoButton{214, 327, 300, 347};

// The palette: two rows of eight buttons, in kPalette's order.
inline constexpr int kPaletteLeft = 307;
inline constexpr int kPaletteTop = 4;
inline constexpr int kPaletteStep = 25;
inline constexpr std::size_t kPaletteColumns = 8;
constexpr layout::Rect PalettePlace(std::size_t i) {
  const int left = kPaletteLeft + static_cast<int>(i % kPaletteColumns) * kPaletteStep;
  const int top = kPaletteTop + static_cast<int>(i / kPaletteColumns) * kPaletteStep;
  return {left, top, left + kPaletteStep - 1, top + kPaletteStep - 1};
}

inline constexpr layout::Rect kParCaption{307, 58, 372, 74};
inline constexpr layout::Rect kParField{372, 58, 508, 74};
inline constexpr layout::Rect kRatingCaption{307, 76, 372, 92};
inline constexpr layout::Rect kRatingField{372, 76, 508, 92};
inline constexpr layout::Rect kClearsCaption{307, 94, 392, 110};
inline constexpr layout::Rect kClearsField{392, 94, 508, 110};
inline constexpr layout::Rect kMissingField{307, 112, 508, 128};
inline constexpr layout::Rect kGatesField{307, 131, 508, 283};
inline constexpr layout::Rect kRevisionField{307, 284, 508, 298};

inline constexpr layout::Rect kTryButton{307, 302, 362, 324};
inline constexpr layout::Rect kSolutionButton{366, 302, 446, 324};
inline constexpr layout::Rect kSaveButton{450, 302, 508, 324};
inline constexpr layout::Rect kBackButton{450, 327, 508, 347};

// On the stage select screen, right of the title: opens the selected stage in the editor.
inline constexpr layout::Rect kEditButton{440, 8, 508, 28};

}  // namespace suispo::editor
