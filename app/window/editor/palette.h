// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's palette: every cell kind, the start and the three edges, each with its key.
#pragma once

#include <array>

#include <QCoreApplication>
#include <Qt>

#include "core/rules/board.h"

namespace suispo {

struct PaletteEntry {
  enum class Paints { kCell, kStart, kEdge };
  Paints paints;
  int value;            // the CellKind or the WallKind
  const char* name;     // the button's objectName
  const char* glyph;    // on the button (translated in the context "StageEditor")
  const char* word;     // what a screen reader and the tooltip say
  Qt::Key key;          // chooses the entry; a cell's key also paints the cursor's cell
};

inline constexpr std::array<PaletteEntry, 16> kPalette = {{
    {PaletteEntry::Paints::kCell, kFloor, "paletteIce", QT_TRANSLATE_NOOP("StageEditor", "氷"),
     QT_TRANSLATE_NOOP("StageEditor", "氷（何もない床）"), Qt::Key_I},
    {PaletteEntry::Paints::kCell, kHole, "paletteHole", QT_TRANSLATE_NOOP("StageEditor", "穴"),
     QT_TRANSLATE_NOOP("StageEditor", "穴"), Qt::Key_O},
    {PaletteEntry::Paints::kCell, kArrowNorth, "paletteArrowNorth", "\u2191",
     QT_TRANSLATE_NOOP("StageEditor", "上向きの矢印"), Qt::Key_1},
    {PaletteEntry::Paints::kCell, kArrowEast, "paletteArrowEast", "\u2192",
     QT_TRANSLATE_NOOP("StageEditor", "右向きの矢印"), Qt::Key_2},
    {PaletteEntry::Paints::kCell, kArrowSouth, "paletteArrowSouth", "\u2193",
     QT_TRANSLATE_NOOP("StageEditor", "下向きの矢印"), Qt::Key_3},
    {PaletteEntry::Paints::kCell, kArrowWest, "paletteArrowWest", "\u2190",
     QT_TRANSLATE_NOOP("StageEditor", "左向きの矢印"), Qt::Key_4},
    {PaletteEntry::Paints::kCell, kWarpRed, "paletteWarpRed", QT_TRANSLATE_NOOP("StageEditor", "赤"),
     QT_TRANSLATE_NOOP("StageEditor", "赤のワープ"), Qt::Key_5},
    {PaletteEntry::Paints::kCell, kWarpBlue, "paletteWarpBlue", QT_TRANSLATE_NOOP("StageEditor", "青"),
     QT_TRANSLATE_NOOP("StageEditor", "青のワープ"), Qt::Key_6},
    {PaletteEntry::Paints::kCell, kWarpGreen, "paletteWarpGreen", QT_TRANSLATE_NOOP("StageEditor", "緑"),
     QT_TRANSLATE_NOOP("StageEditor", "緑のワープ"), Qt::Key_7},
    {PaletteEntry::Paints::kCell, kWarpOrange, "paletteWarpOrange", QT_TRANSLATE_NOOP("StageEditor", "橙"),
     QT_TRANSLATE_NOOP("StageEditor", "橙のワープ"), Qt::Key_8},
    {PaletteEntry::Paints::kCell, kKey, "paletteKey", QT_TRANSLATE_NOOP("StageEditor", "鍵"),
     QT_TRANSLATE_NOOP("StageEditor", "鍵"), Qt::Key_K},
    {PaletteEntry::Paints::kCell, kDoor, "paletteDoor", QT_TRANSLATE_NOOP("StageEditor", "扉"),
     QT_TRANSLATE_NOOP("StageEditor", "扉"), Qt::Key_D},
    {PaletteEntry::Paints::kStart, 0, "paletteStart", QT_TRANSLATE_NOOP("StageEditor", "始"),
     QT_TRANSLATE_NOOP("StageEditor", "スタート"), Qt::Key_S},
    {PaletteEntry::Paints::kEdge, kSolidWall, "paletteWall", QT_TRANSLATE_NOOP("StageEditor", "壁"),
     QT_TRANSLATE_NOOP("StageEditor", "壁（辺）"), Qt::Key_W},
    {PaletteEntry::Paints::kEdge, kMarkedEdge, "paletteMarkedEdge", QT_TRANSLATE_NOOP("StageEditor", "市"),
     QT_TRANSLATE_NOOP("StageEditor", "市松の辺（すべれるが壁は置けない）"), Qt::Key_E},
    {PaletteEntry::Paints::kEdge, kNoWall, "paletteNoEdge", QT_TRANSLATE_NOOP("StageEditor", "無"),
     QT_TRANSLATE_NOOP("StageEditor", "辺なし"), Qt::Key_N},
}};

inline constexpr std::size_t kWallEntry = 13;  // the edge Shift + arrow sets until another is chosen

}  // namespace suispo
