// The game's pictures compiled into the program, loaded by file name.
#pragma once

#include <QImage>
#include <QString>

namespace suispo::assets {

// name: a file of assets/, e.g. "atlas.png"; also loadable directly as ":/assets/atlas.png".
// A null image when no such picture was compiled in.
QImage LoadPicture(const QString& name);

}  // namespace suispo::assets
