// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading a compiled-in picture, refused when it is missing or of another size.
#include "assets/pictures.h"

#include <QImageReader>
#include <string>

#include "core/text/game_error.h"

namespace suispo::assets {

QImage ReadPicture(const Picture& picture) {
  QImageReader reader(QStringLiteral(":/assets/") + QLatin1String(picture.file), "png");
  reader.setAutoDetectImageFormat(false);
  QImage image = reader.read();
  if (image.size() != QSize(picture.width, picture.height)) {
    throw GameError(FormatMessage("画像 %s を読み込めません (%s)",
                                  {picture.file, std::to_string(picture.width) + " x " + std::to_string(picture.height)}));
  }
  return image;
}

}  // namespace suispo::assets
