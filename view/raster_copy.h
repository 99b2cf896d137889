// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Rectangle copies between opaque 32-bit RGB images under the three raster operations of the board.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "assets/atlas_map.h"

namespace suispo {

// kCopy: source copy; kAnd: source AND destination; kOr: source OR destination. On opaque RGB32
// pixels these equal QPainter's CompositionMode_Source, RasterOp_SourceAndDestination and
// RasterOp_SourceOrDestination bit for bit.
enum class RasterOp { kCopy, kAnd, kOr };

// Copies from of src to dst with its top-left corner at to, same size. The rectangle is clipped to
// both images, as the platform would. Both images must be QImage::Format_RGB32.
void RasterCopy(QImage& dst, QPoint to, const QImage& src, const QRect& from, RasterOp op);

constexpr QRect ToQRect(atlas::Rect r) { return QRect(r.left, r.top, r.width(), r.height()); }

}  // namespace suispo
