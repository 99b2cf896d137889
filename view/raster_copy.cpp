// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Rectangle copies done on the pixel rows directly: a QPainter per copy costs more than the copy.
#include "view/raster_copy.h"

#include <cstdint>
#include <cstring>

namespace suispo {

void RasterCopy(QImage& dst, QPoint to, const QImage& src, const QRect& from, RasterOp op) {
  Q_ASSERT(dst.format() == QImage::Format_RGB32 && src.format() == QImage::Format_RGB32);
  // Clip the source to its image, moving the destination along, then the destination to its image.
  const QRect source = from & src.rect();
  if (source.isEmpty()) return;
  const QRect wanted(to + (source.topLeft() - from.topLeft()), source.size());
  const QRect target = wanted & dst.rect();
  if (target.isEmpty()) return;
  const QPoint start = source.topLeft() + (target.topLeft() - wanted.topLeft());

  const int width = target.width();
  const qsizetype srcStride = src.bytesPerLine();
  const qsizetype dstStride = dst.bytesPerLine();
  const uchar* in = src.constBits() + start.y() * srcStride + start.x() * 4;
  uchar* out = dst.bits() + target.top() * dstStride + target.left() * 4;
  for (int row = 0; row < target.height(); ++row, in += srcStride, out += dstStride) {
    const auto* s = reinterpret_cast<const std::uint32_t*>(in);
    auto* d = reinterpret_cast<std::uint32_t*>(out);
    switch (op) {
      case RasterOp::kCopy:
        std::memmove(d, s, static_cast<std::size_t>(width) * 4);
        break;
      case RasterOp::kAnd:
        for (int i = 0; i < width; ++i) d[i] &= s[i];
        break;
      case RasterOp::kOr:
        for (int i = 0; i < width; ++i) d[i] |= s[i];
        break;
    }
  }
}

}  // namespace suispo
