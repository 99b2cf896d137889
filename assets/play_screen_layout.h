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

// The stage select screen: the title lettering small at the top, the group below it with
// ステージ集 across its top, the list on the left and, beside it, the selected stage's board (a cell
// of 20 pixels) with its par, record, mark and rating, the last clear's verdict and ステージ決定.
inline constexpr double kTitleScale = 0.6;  // the lettering at 60 % of its painted size
inline constexpr Rect kTitleImage{151, 2, 361, 83};
inline constexpr Rect kSelectGroup{8, 110, 504, 350};
inline constexpr Rect kFileChooser{10, 20, 486, 44};      // inside the group
inline constexpr Rect kStageList{10, 50, 206, 232};       // inside the group
inline constexpr Rect kPreviewImage{214, 50, 340, 176};   // inside the group: 6 cells of 20 pixels and the rim
// The figures beside the board, one size: captions on the left, numbers right of them; the mark
// right of the par and the record.
inline constexpr Rect kPreviewParCaption{348, 50, 414, 68};
inline constexpr Rect kPreviewPar{414, 50, 450, 68};
inline constexpr Rect kPreviewBestCaption{348, 68, 414, 86};
inline constexpr Rect kPreviewBest{414, 68, 450, 86};
inline constexpr Rect kPreviewMark{450, 50, 484, 86};
inline constexpr Rect kPreviewRatingCaption{348, 86, 414, 104};
inline constexpr Rect kPreviewRating{414, 86, 484, 104};
// The last clear's verdict, kept until another stage is played; it wraps onto several lines.
inline constexpr Rect kPreviewVerdict{348, 108, 484, 200};
inline constexpr Rect kChoiseButtom{348, 206, 484, 232};  // inside the group
inline constexpr int kPreviewPixels = 12;                 // the figures' and the verdict's font
// Between the title lettering and the group: a file completed by a clear is told there.
inline constexpr Rect kProgressNote{8, 83, 504, 110};

// The play screen's buttons, by direction north, east, south, west.
inline constexpr std::array<Rect, 4> kWallButtons{{
    {396, 71, 429, 104}, {431, 107, 464, 140}, {395, 142, 428, 175}, {360, 107, 393, 140}}};
inline constexpr std::array<Rect, 4> kMoveButtons{{
    {396, 188, 429, 221}, {430, 224, 463, 257}, {395, 259, 428, 292}, {360, 225, 393, 258}}};
inline constexpr Rect kUndoButton{353, 309, 422, 337};
// Restart and title as wide as the panel leaves them, so that their words fit in either language.
inline constexpr Rect kResetButton{426, 306, 478, 322};
inline constexpr Rect kGiveupButton{426, 324, 478, 340};

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
