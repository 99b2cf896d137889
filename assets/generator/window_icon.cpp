// The 32 x 32 window icon: the character's face on a slab of ice.
#include "assets/generator/window_icon.h"

#include <QLinearGradient>

#include "assets/generator/character.h"
#include "assets/generator/palette.h"
#include "assets/generator/supersample.h"

namespace suispo::art {

QImage WindowIcon() {
  return Supersample(32, 32, [](QPainter& p) {
    QLinearGradient ice(0, 0, 32, 32);
    ice.setColorAt(0, kIceBevelLight);
    ice.setColorAt(1, kIceDeep);
    p.setPen(QPen(kIceBevelDark, 1.2));
    p.setBrush(ice);
    p.drawRoundedRect(QRectF(0.6, 0.6, 30.8, 30.8), 6, 6);
    // The front view, scaled to sit inside the slab.
    p.translate(16, 16.2);
    p.scale(0.76, 0.76);
    p.translate(-20, -21);
    PaintCharacter(p, 2);
  }).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace suispo::art
