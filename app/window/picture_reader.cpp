// The window's pictures, read from the PNGs compiled into the program.
#include "picture_reader.h"

#include <QImageReader>

namespace suispo {

QImage ReadPicture(const QString& name) {
  QImageReader reader(QStringLiteral(":/assets/") + name, "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace suispo
