// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-art: paints every picture of the game and writes them as PNG files into a folder.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <utility>
#include <vector>

#include "assets/generator/atlas_sheet.h"
#include "assets/generator/button_glyphs.h"
#include "assets/generator/lettering.h"
#include "assets/generator/play_background.h"
#include "assets/generator/window_icon.h"
#include "assets/pictures.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);  // fonts need a GUI application
  if (argc != 2) {
    std::fprintf(stderr, "usage: suispo-art OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(".")) {
    std::fprintf(stderr, "suispo-art: cannot create %s\n", argv[1]);
    return 1;
  }
  using namespace suispo::art;
  namespace assets = suispo::assets;
  std::vector<std::pair<QString, QImage>> pictures = {{"icon.png", WindowIcon()}};
  for (const int size : kThemeIconSizes) {
    if (size != 32) pictures.emplace_back(QString("icon_%1.png").arg(size), WindowIcon(size));
  }
  // Everything the window draws is painted at every scale it may draw at; the icons come in sizes.
  for (const int scale : assets::kPaintedScales) {
    const auto add = [&pictures, scale](const assets::Picture& picture, const QImage& image) {
      pictures.emplace_back(QString::fromStdString(assets::FileAtScale(picture, scale)), image);
    };
    add(assets::kAtlas, AtlasSheet(scale));
    add(assets::kBackground, PlayBackground(scale));
    add(assets::kTitle, TitleLettering(scale));
    add(assets::kLogo, Logotype(scale));
    for (int d = 0; d < 4; ++d) {
      add(assets::kWallGlyphs[d], WallGlyph(d, scale));
      add(assets::kMoveGlyphs[d], MoveGlyph(d, scale));
    }
  }
  for (const auto& [name, image] : pictures) {
    const QString path = out.filePath(name);
    // The larger scales at the strongest compression; the 1x files stay as they always were written.
    const int quality = name.contains('@') ? 0 : -1;
    if (!image.save(path, "PNG", quality)) {
      std::fprintf(stderr, "suispo-art: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
