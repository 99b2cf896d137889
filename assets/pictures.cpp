// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading a compiled-in picture, refused when it is missing or of another size.
#include "assets/pictures.h"

#include <QImageReader>
#include <string>

#include "core/text/game_error.h"

namespace suispo::assets {

int PaintedScaleFor(double deviceRatio) {
  for (const int scale : kPaintedScales) {
    // A hair of tolerance: a ratio of 2 computed as 1.5 x 1.3333 is still 2.
    if (deviceRatio <= scale + 1e-6) return scale;
  }
  return kLargestScale;
}

QImage ReadPicture(const Picture& picture, int scale) {
  const std::string file = FileAtScale(picture, scale);
  QImageReader reader(QStringLiteral(":/assets/") + QString::fromStdString(file), "png");
  reader.setAutoDetectImageFormat(false);
  QImage image = reader.read();
  const int width = picture.width * scale;
  const int height = picture.height * scale;
  if (image.size() != QSize(width, height)) {
    throw GameError(MessageId::kCannotReadPicture, {file, std::to_string(width) + " x " + std::to_string(height)});
  }
  return image;
}

}  // namespace suispo::assets
