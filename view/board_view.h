// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The board on screen: the two board layers, the play surface and the animations, drawn from the atlas.
#pragma once

#include <QImage>
#include <QString>
#include <QRect>

#include "assets/atlas_map.h"
#include "core/game/board_painter.h"
#include "view/frame_clock.h"
#include "view/raster_copy.h"
#include "view/surface_sink.h"

namespace suispo {

// The painter's cells become board-image pixels here (view/board_geometry.h).
class BoardView : public BoardPainter {
 public:
  // atlas: the 384 x 255 sprite atlas; background: the 512 x 360 play-screen picture, the surface's
  // first picture (assets::ReadPicture gives both at their sizes). Both may be painted at a scale
  // (twice the size for 2); the view then draws at that scale.
  BoardView(const QImage& atlas, const QImage& background, FrameClock& clock, SurfaceSink& sink);
  // The game's own pictures (assets/pictures.h) at a painted scale, read when first drawn or by Load:
  // the stage select screen, shown first, needs none of them.
  BoardView(FrameClock& clock, SurfaceSink& sink, int scale = 1);

  // Reads the game's pictures now if they are not read yet; every drawing call does it first. The
  // surfaces below are null images until then (at their places, so a pointer to one stays good).
  // The figures' captions are lettered over the background then, in the installed translation.
  void Load();
  // The atlas and the board's images alone, without the play surface: what a board drawn off the play
  // screen (the stage select screen's preview) shows. Drawing on the board asks no more.
  void LoadBoard();
  // The painted scale to draw at from the next Load; a change drops what is drawn, so it is made
  // only before a board is built anew (a stage start).
  void SetScale(int scale);
  int scale() const { return scale_; }

  // At scale 1 these are 512 x 360 and 296 x 296 pixels; at a larger scale that many times as
  // many, with the scale as their device pixel ratio. Every position the view takes is in 1x units.
  const QImage& surface() const;     // MainImage, 512 x 360
  const QImage& workingBoard() const;   // MapImage1, 296 x 296
  const QImage& backgroundBoard() const;  // MapImage2, 296 x 296

  void DrawFloor(int x, int y) override;
  void DrawTile(int x, int y, int cellKind) override;
  void DrawWall(int x, int y, bool horizontal, bool marked) override;
  void DrawBorder() override;
  void SaveBackground() override;
  void RestoreCell(int x, int y) override;
  void DrawCharacter(int x, int y, int facing) override;
  void PresentBoard() override;
  void EraseCell(int x, int y) override;
  void DrawStageName(const std::string& name) override;
  void AnimateStep(int x, int y, int dx, int dy, int facing) override;
  void AnimateClear(int x, int y, const std::string& verdict) override;
  void AnimateMiss(int x, int y) override;
  void AnimateSink(int x, int y) override;
  void AnimateRise(int x, int y, int facing) override;

  // The pixel forms under RestoreCell and DrawCharacter, for a 40 x 40 square with its top-left corner
  // at any board-image pixel: a slide frame lies between two cells.
  void RestoreSquare(int left, int top);
  void DrawCharacterAt(int left, int top, int facing);

 private:
  // Draws the 40 x 40 atlas square opaque on the cell, presents it, lets events through, then holds.
  void ShowFrame(int x, int y, atlas::Rect frame, int ms);
  // The top rows of the masked character: the mask ANDed, then the sprite ORed.
  void DrawCharacterRows(int left, int top, int facing, int rows);
  void CopyBanner(atlas::Rect banner);
  // The name plate with a text centred on it, as the stage name is drawn.
  // The plate with text on it: one line, ending in "…" when too wide; or, with twoLines, a text too
  // wide for one line on two, the plate grown down into the band above the board.
  void DrawPlateText(const QString& text, bool twoLines = false);
  void EndSlideFrame();
  void Load(const QImage& atlas, const QImage& background);
  // RasterCopy with the positions in 1x units, turned into pixels of the scale.
  void Copy(QImage& dst, QPoint to, const QImage& src, const QRect& from, RasterOp op) const;

  QImage atlas_;      // CharaImage
  QImage mapImage1_;  // working board: background plus character plus walls placed since
  QImage mapImage2_;  // background board: the board as last built
  QImage mainImage_;  // the play surface
  int scale_ = 1;
  FrameClock& clock_;
  SurfaceSink& sink_;
};

}  // namespace suispo
