// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's pictures compiled into the program, each with the size the program relies on, and the one
// way to read them.
#pragma once

#include <QImage>
#include <string>

#include "assets/atlas_map.h"

namespace suispo::assets {

struct Picture {
  const char* file;  // a file of assets/, compiled in as ":/assets/<file>"
  int width;
  int height;
};

inline constexpr Picture kAtlas{"atlas.png", atlas::kWidth, atlas::kHeight};
inline constexpr Picture kBackground{"background.png", atlas::kSurfaceWidth, atlas::kSurfaceHeight};
inline constexpr Picture kTitle{"title.png", 350, 135};
inline constexpr Picture kLogo{"logo.png", 138, 53};
inline constexpr Picture kIcon{"icon.png", 32, 32};
// The window's icon at every size the desktop's icon theme installs, each painted at its size.
inline constexpr Picture kIcons[] = {{"icon_16.png", 16, 16},   {"icon_24.png", 24, 24}, kIcon,
                                     {"icon_48.png", 48, 48},   {"icon_64.png", 64, 64},
                                     {"icon_128.png", 128, 128}, {"icon_256.png", 256, 256}};
// The glyphs of the wall and move buttons, by Direction.
inline constexpr Picture kWallGlyphs[4] = {
    {"glyph_wall_n.png", 29, 22}, {"glyph_wall_e.png", 22, 29}, {"glyph_wall_s.png", 29, 22}, {"glyph_wall_w.png", 22, 29}};
inline constexpr Picture kMoveGlyphs[4] = {
    {"glyph_move_n.png", 29, 29}, {"glyph_move_e.png", 29, 29}, {"glyph_move_s.png", 29, 29}, {"glyph_move_w.png", 29, 29}};

// The scales every picture but the icons is painted at: the 1x file is "<name>.png", the others
// "<name>@2x.png" and "<name>@3x.png", each of the size times the scale.
inline constexpr int kPaintedScales[] = {1, 2, 3};
inline constexpr int kLargestScale = 3;

inline std::string FileAtScale(const Picture& picture, int scale) {
  std::string name = picture.file;
  if (scale != 1) name.insert(name.rfind('.'), "@" + std::to_string(scale) + "x");
  return name;
}

// The painted scale to draw at for a device ratio: the nearest at or above it, so that a ratio
// between two scales is met by scaling down, never up; 3 for anything above.
int PaintedScaleFor(double deviceRatio);

// Reads the picture as PNG; throws GameError when it is not compiled in or not of its size. Read as PNG
// straight away: left to guess the format, Qt would first load every image plugin installed (JPEG,
// GIF, ICO) to ask each of them.
QImage ReadPicture(const Picture& picture, int scale = 1);

}  // namespace suispo::assets
