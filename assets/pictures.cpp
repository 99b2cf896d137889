// The game's pictures compiled into the program, loaded by file name.
#include "assets/pictures.h"

namespace suispo::assets {

QImage LoadPicture(const QString& name) { return QImage(QStringLiteral(":/assets/") + name); }

}  // namespace suispo::assets
