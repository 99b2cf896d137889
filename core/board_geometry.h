// Pixel geometry of the board images shared by the rules and the drawing: 48-pixel pitch, 40-pixel cells.
#pragma once

namespace suispo {

inline constexpr int kCellPitch = 48;
inline constexpr int kCellSide = 40;
inline constexpr int kBoardPixels = 6 * kCellPitch + 8;  // 296

// Top-left pixel of the 40 x 40 square of a cell's column or row.
constexpr int CellOrigin(int columnOrRow) { return columnOrRow * kCellPitch + 8; }

}  // namespace suispo
