// Pictures whose ground is not drawn: the colour of the bottom-left pixel becomes transparent.
#include "transparent_ground.h"

#include <QBitmap>

namespace suispo {

QPixmap WithTransparentGround(const QImage& picture) {
  if (picture.isNull()) return {};
  QPixmap pixmap = QPixmap::fromImage(picture);
  const QColor ground = picture.pixelColor(0, picture.height() - 1);
  pixmap.setMask(pixmap.createMaskFromColor(ground, Qt::MaskInColor));
  return pixmap;
}

}  // namespace suispo
