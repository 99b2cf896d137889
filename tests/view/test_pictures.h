// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// An atlas and background made by the tests, with a distinct colour pattern in every rectangle, and
// pixel comparisons that name the first differing pixel.
#pragma once

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include "assets/atlas_map.h"

namespace suispo::test {

// Every rectangle of the atlas holds Pattern(id, u, v) with its own id, so a copy from the wrong
// rectangle or to a shifted place shows. Sprites: a figure box on pure black; masks: black on that box.
QImage TestAtlas();
QImage TestBackground();  // 512 x 360

inline constexpr QRect kFigureBox{10, 3, 20, 34};  // inside the 40 x 40 sprite square
QRgb FigurePixel(int facing, int u, int v);

// The region of a at (ra) equals b's same-size region at pb.
::testing::AssertionResult SameRegion(const QImage& a, const QRect& ra, const QImage& b, QPoint pb);
::testing::AssertionResult SameRegion(const QImage& a, const QRect& ra, const QImage& b, atlas::Rect rb);

// The bounding box of the pixels of image that have the given colour (empty when none has).
QRect BoxOfColour(const QImage& image, QRgb colour, const QRect& within);

}  // namespace suispo::test
