// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Pixel geometry of the two board images: 48-pixel pitch, 40-pixel cells, an 8-pixel band for each edge.
#pragma once

namespace suispo {

inline constexpr int kCellPitch = 48;
inline constexpr int kCellSide = 40;
inline constexpr int kBoardPixels = 6 * kCellPitch + 8;  // 296

// Top-left pixel of the 40 x 40 square of a cell's column or row.
constexpr int CellOrigin(int columnOrRow) { return columnOrRow * kCellPitch + 8; }

// Top-left pixel of the 48 x 48 square whose east and south bands carry the edges of a cell's column or
// row; -1 gives the border's band before column or row 0.
constexpr int EdgeOrigin(int columnOrRow) { return columnOrRow * kCellPitch; }

}  // namespace suispo
