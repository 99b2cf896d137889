// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Each frame is the character painted (smaller, or sinking) and laid over the tile the scene happens on.
#include "assets/generator/scene_frames.h"

#include "assets/generator/character.h"
#include "assets/generator/content_tiles.h"
#include "assets/generator/supersample.h"

namespace suispo::art {

QImage VictoryFrame(bool armsRaised, int scale) {
  const QImage figure = Supersample(40, 40, [armsRaised](QPainter& p) {
    // A little smaller than on the ice, so the door's arch shows behind the head.
    p.save();
    p.translate(2, 4);
    p.scale(0.9, 0.9);
    PaintCharacter(p, 2, armsRaised ? Arms::Raised : Arms::Down);
    p.restore();
    if (armsRaised) {
      // Sparkles of joy.
      p.setPen(QPen(QColor(150, 100, 0), 0.6));
      p.setBrush(QColor(255, 226, 60));
      for (QPointF c : {QPointF(4.5, 5), QPointF(35.5, 7)}) {
        p.drawPolygon(QPolygonF{{c + QPointF(0, -3.5), c + QPointF(1, -1), c + QPointF(3.5, 0),
                                 c + QPointF(1, 1), c + QPointF(0, 3.5), c + QPointF(-1, 1),
                                 c + QPointF(-3.5, 0), c + QPointF(-1, -1)}});
      }
    }
  }, scale);
  return OverImage(figure, DoorTile(scale));
}

QImage FallFrame(int step, int scale) {
  // Each step sinks the figure deeper (the tile's bottom edge is the near rim of the hole),
  // shrinks it with the distance and darkens it toward the hole's blue.
  struct Depth {
    double scale, top, shade;
  };
  static const Depth kDepths[4] = {{1.0, 0, 0}, {1.0, 12, 40}, {0.75, 19, 80}, {0.5, 29, 110}};
  const Depth d = kDepths[step];
  const QImage figure = Supersample(40, 40, [&](QPainter& p) {
    p.translate(20 - 20 * d.scale, d.top);
    p.scale(d.scale, d.scale);
    PaintCharacter(p, 2, step == 0 ? Arms::Down : Arms::Raised);
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(QRectF(0, 0, 40, 40), QColor(10, 20, 70, static_cast<int>(d.shade)));
  }, scale);
  return OverImage(figure, HoleTile(scale));
}

}  // namespace suispo::art
