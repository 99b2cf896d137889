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

namespace {

void Put(QPainter& p, const atlas::Rect& at, const QImage& picture) {
  Q_ASSERT(picture.width() == at.width() && picture.height() == at.height());
  p.drawImage(at.left, at.top, picture);
}

}  // namespace

QImage AtlasSheet() {
  QImage sheet(atlas::kWidth, atlas::kHeight, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  for (int facing = 0; facing < 4; ++facing) {
    const QImage figure = Supersample(40, 40, [facing](QPainter& fp) { PaintCharacter(fp, facing); });
    const Cutout cut = CutOut(figure, kIce);
    Put(p, atlas::Sprite(facing), cut.sprite);
    Put(p, atlas::Mask(facing), cut.mask);
  }
  Put(p, atlas::kFloorTile, FloorTile());
  Put(p, atlas::ContentTile(1), KeyTile());
  Put(p, atlas::ContentTile(2), DoorTile());
  Put(p, atlas::ContentTile(3), HoleTile());
  for (int d = 0; d < 4; ++d) Put(p, atlas::ContentTile(4 + d), ArrowTile(d));
  for (int c = 0; c < 4; ++c) Put(p, atlas::ContentTile(8 + c), WarpTile(c));
  Put(p, atlas::kVictoryA, VictoryFrame(false));
  Put(p, atlas::kVictoryB, VictoryFrame(true));
  for (int i = 0; i < 4; ++i) Put(p, atlas::FallFrame(i), FallFrame(i));
  Put(p, atlas::kNamePlate, NamePlate());
  Put(p, atlas::kClearBanner, ClearBanner());
  Put(p, atlas::kMissBanner, MissBanner());
  const atlas::Rect corner{atlas::kSolidVertical.left, atlas::kSolidHorizontal.top,
                           atlas::kMarkedVertical.right, atlas::kMarkedHorizontal.bottom};
  Put(p, corner, WallCorner());
  return sheet;
}

}  // namespace suispo::art
