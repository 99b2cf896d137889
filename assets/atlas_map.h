// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Where each picture lies in the 384 x 255 sprite atlas, and the fixed places on the play surface: the one
// layout that the painting program follows and the drawing reads.
#pragma once

#include <cstddef>
#include <iterator>

#include "core/rules/cell_kinds.h"

namespace suispo::atlas {

// (left, top)-(right, bottom), right and bottom exclusive.
struct Rect {
  int left, top, right, bottom;
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
};

inline constexpr int kWidth = 384;
inline constexpr int kHeight = 255;

// The character for facing f (0 north .. 3 west) and its mask; black around the figure / black on it.
constexpr Rect Sprite(int facing) { return {4 + 48 * facing, 4, 44 + 48 * facing, 44}; }
constexpr Rect Mask(int facing) { return {196 + 48 * facing, 4, 236 + 48 * facing, 44}; }

inline constexpr Rect kFloorTile{0, 48, 48, 96};   // 48 x 48, bevelled
inline constexpr Rect kPlainIce{4, 52, 44, 92};    // inner square of the floor tile

// The 40 x 40 content tiles stand in rows of eight 48-pixel places from the floor tile's inner square.
constexpr Rect TilePlace(int place) {
  const int left = 4 + 48 * (place % 8), top = 52 + 48 * (place / 8);
  return {left, top, left + 40, top + 40};
}
// The content tile of each CellKind, one for each row of kCellKinds (the floor's is the plain ice).
inline constexpr Rect kContentTiles[] = {TilePlace(0), TilePlace(1), TilePlace(2),  TilePlace(3),
                                         TilePlace(4), TilePlace(5), TilePlace(6),  TilePlace(7),
                                         TilePlace(8), TilePlace(9), TilePlace(10), TilePlace(11)};
static_assert(std::size(kContentTiles) == kCellKinds.size(), "every cell kind has its tile");
constexpr Rect ContentTile(int kind) { return kContentTiles[static_cast<std::size_t>(kind)]; }

inline constexpr Rect kVictoryA{4, 148, 44, 188};   // on the door, arms down
inline constexpr Rect kVictoryB{52, 148, 92, 188};  // arms raised
// Fall frames 1..4 as i = 0..3: standing in the hole, then lower and smaller.
constexpr Rect FallFrame(int i) { return {100 + 48 * i, 148, 140 + 48 * i, 188}; }

inline constexpr Rect kNamePlate{0, 192, 297, 213};
inline constexpr Rect kClearBanner{0, 213, 297, 234};
inline constexpr Rect kMissBanner{0, 234, 297, 255};

// The wall corner: a 56 x 56 frame, top and left solid, right and bottom marked.
inline constexpr Rect kSolidHorizontal{328, 199, 384, 207};
inline constexpr Rect kSolidVertical{328, 199, 336, 255};
inline constexpr Rect kMarkedVertical{376, 199, 384, 255};
inline constexpr Rect kMarkedHorizontal{328, 247, 384, 255};

// On the 512 x 360 play surface.
inline constexpr int kSurfaceWidth = 512;
inline constexpr int kSurfaceHeight = 360;
inline constexpr Rect kBoardSlot{16, 45, 312, 341};
inline constexpr Rect kBannerSlot{16, 14, 313, 35};

}  // namespace suispo::atlas
