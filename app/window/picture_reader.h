// The window's pictures, read from the PNGs compiled into the program.
#pragma once

#include <QImage>
#include <QString>

namespace suispo {

// name: a picture of assets/, e.g. "title.png". Read as PNG straight away: left to guess the
// format, Qt would first load every image plugin installed (JPEG, GIF, ICO) to ask each of them.
QImage ReadPicture(const QString& name);

}  // namespace suispo
