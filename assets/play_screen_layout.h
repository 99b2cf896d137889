// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where the window's controls stand: one table that the window places them by and the background
// picture is painted around (its panels, the figures' dark boxes; the view letters the captions).
#pragma once

#include <array>

#include "assets/atlas_map.h"
#include "core/text/translatable.h"

namespace suispo::layout {

using atlas::Rect;

// The client area below the menu bar; the play surface covers it from (0, 0).
inline constexpr int kClientWidth = 512;
inline constexpr int kClientHeight = 352;

// The stage select screen.
inline constexpr Rect kTitleImage{85, 13, 435, 148};
inline constexpr Rect kSelectGroup{36, 161, 475, 353};
inline constexpr Rect kStageList{15, 17, 324, 186};      // inside the group
inline constexpr Rect kChoiseButtom{341, 161, 422, 186};  // inside the group
// The column right of the list, above ステージ決定 (inside the group): the file chooser on top, the
// selected stage's board small, its par and record with its mark beside them, and its rating.
inline constexpr Rect kFileChooser{330, 17, 434, 39};
inline constexpr Rect kPreviewImage{349, 42, 415, 108};
inline constexpr Rect kPreviewParCaption{330, 110, 362, 125};
inline constexpr Rect kPreviewPar{362, 110, 398, 125};
inline constexpr Rect kPreviewBestCaption{330, 126, 362, 141};
inline constexpr Rect kPreviewBest{362, 126, 398, 141};
inline constexpr Rect kPreviewMark{400, 111, 434, 139};
inline constexpr Rect kPreviewRatingCaption{330, 142, 381, 157};
inline constexpr Rect kPreviewRating{381, 142, 434, 157};
// The empty rows under the title lettering, above the group: a file completed by a clear is told there.
inline constexpr Rect kProgressNote{36, 128, 475, 160};

// The play screen's buttons, by direction north, east, south, west.
inline constexpr std::array<Rect, 4> kWallButtons{{
    {396, 71, 429, 104}, {431, 107, 464, 140}, {395, 142, 428, 175}, {360, 107, 393, 140}}};
inline constexpr std::array<Rect, 4> kMoveButtons{{
    {396, 188, 429, 221}, {430, 224, 463, 257}, {395, 259, 428, 292}, {360, 225, 393, 258}}};
inline constexpr Rect kUndoButton{353, 309, 422, 337};
inline constexpr Rect kResetButton{430, 306, 475, 322};
inline constexpr Rect kGiveupButton{430, 324, 475, 340};

// The panels sunk into the background behind the button groups, with their corner radius.
struct Panel {
  Rect area;
  int radius;
};
inline constexpr std::array<Panel, 3> kPanels{{
    {{350, 53, 474, 180}, 10},   // the wall buttons, the caption and the wall points
    {{352, 184, 472, 296}, 10},  // the move buttons
    {{348, 301, 480, 345}, 8}}};  // undo, restart, title
// The ice crystal in the empty middle of the move buttons' cross (its centre).
inline constexpr double kCrystalX = 411.5;
inline constexpr double kCrystalY = 240;

// A number the play screen shows in white on a dark box, and its caption above (UTF-8; none when
// empty). A new figure is one more row: the background paints its box, the view letters its caption
// in the player's language (view/figure_captions.h), the window makes its label (MainForm::figures_,
// by the row's index).
struct Figure {
  const char* caption;
  Rect captionBox;
  Rect digits;  // the label; the dark box lies kFigureFrame pixels around it
  int captionPixels = 13;
  int digitPixels = 16;
};
inline constexpr int kFigureFrame = 2;
// The play record's figures sit in the empty corners of the move buttons' panel, clear of the four
// buttons and of the panel's rim, in a smaller hand than the wall points.
inline constexpr std::array<Figure, 5> kFigures{{
    {SUISPO_TR_NOOP("PlayScreen", "のこりの壁"), {352, 56, 472, 70}, {396, 119, 428, 139}},
    // upper left, upper right, lower left
    {SUISPO_TR_NOOP("PlayScreen", "手数"), {355, 187, 392, 202}, {357, 205, 390, 219}, 11, 13},
    {SUISPO_TR_NOOP("PlayScreen", "最短"), {432, 187, 469, 202}, {434, 205, 467, 219}, 11, 13},
    {SUISPO_TR_NOOP("PlayScreen", "記録"), {355, 259, 392, 274}, {357, 277, 390, 291}, 11, 13},
    // lower right: marks, not digits
    {SUISPO_TR_NOOP("PlayScreen", "むずかしさ"), {431, 259, 470, 274}, {434, 277, 467, 291}, 8, 7}}};
// Inside the right end of 手数's dark box, clear of a count of two digits: the play used a hint.
inline constexpr Rect kHintMark{381, 205, 391, 219};
inline constexpr std::size_t kWallPointsFigure = 0;  // mpText
inline constexpr std::size_t kMoveCountFigure = 1;   // moveText: the operations of this play
inline constexpr std::size_t kParFigure = 2;         // parText: the fewest that clear the stage
inline constexpr std::size_t kBestFigure = 3;        // bestText: the stage's record
inline constexpr std::size_t kRatingFigure = 4;      // ratingText: how hard the stage is, one to five marks

}  // namespace suispo::layout
