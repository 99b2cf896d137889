// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Each generated picture put at its rectangle of the atlas map.
#include "assets/generator/atlas_sheet.h"

#include <QPainter>

#include "assets/generator/character.h"
#include "assets/generator/content_tiles.h"
#include "assets/generator/ice.h"
#include "assets/generator/palette.h"
#include "assets/generator/scene_frames.h"
#include "assets/generator/sprite_cutout.h"
#include "assets/generator/stone_plates.h"
#include "assets/generator/supersample.h"
#include "assets/generator/wall_corner.h"
#include "assets/atlas_map.h"

namespace suispo::art {

QImage AtlasSheet(int scale) {
  QImage sheet(atlas::kWidth * scale, atlas::kHeight * scale, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  // Each picture at its rectangle, both in pixels of this scale.
  const auto Put = [&p, scale](const atlas::Rect& at, const QImage& picture) {
    Q_ASSERT(picture.width() == at.width() * scale && picture.height() == at.height() * scale);
    p.drawImage(at.left * scale, at.top * scale, picture);
  };
  for (int facing = 0; facing < 4; ++facing) {
    const QImage figure = Supersample(40, 40, [facing](QPainter& fp) { PaintCharacter(fp, facing); }, scale);
    const Cutout cut = CutOut(figure, kIce);
    Put(atlas::Sprite(facing), cut.sprite);
    Put(atlas::Mask(facing), cut.mask);
  }
  Put(atlas::kFloorTile, FloorTile(scale));
  Put(atlas::ContentTile(1), KeyTile(scale));
  Put(atlas::ContentTile(2), DoorTile(scale));
  Put(atlas::ContentTile(3), HoleTile(scale));
  for (int d = 0; d < 4; ++d) Put(atlas::ContentTile(4 + d), ArrowTile(d, scale));
  for (int c = 0; c < 4; ++c) Put(atlas::ContentTile(8 + c), WarpTile(c, scale));
  Put(atlas::kVictoryA, VictoryFrame(false, scale));
  Put(atlas::kVictoryB, VictoryFrame(true, scale));
  for (int i = 0; i < 4; ++i) Put(atlas::FallFrame(i), FallFrame(i, scale));
  Put(atlas::kNamePlate, NamePlate(scale));
  Put(atlas::kClearBanner, ClearBanner(scale));
  Put(atlas::kMissBanner, MissBanner(scale));
  const atlas::Rect corner{atlas::kSolidVertical.left, atlas::kSolidHorizontal.top,
                           atlas::kMarkedVertical.right, atlas::kMarkedHorizontal.bottom};
  Put(corner, WallCorner(scale));
  return sheet;
}

}  // namespace suispo::art
