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
  std::vector<std::pair<QString, QImage>> pictures = {
      {"atlas.png", AtlasSheet()},       {"background.png", PlayBackground()},
      {"title.png", TitleLettering()},   {"logo.png", Logotype()},
      {"icon.png", WindowIcon()},
  };
  const char* names[4] = {"n", "e", "s", "w"};
  for (const int size : kThemeIconSizes) {
    if (size != 32) pictures.emplace_back(QString("icon_%1.png").arg(size), WindowIcon(size));
  }
  for (int d = 0; d < 4; ++d) {
    pictures.emplace_back(QString("glyph_wall_%1.png").arg(names[d]), WallGlyph(d));
    pictures.emplace_back(QString("glyph_move_%1.png").arg(names[d]), MoveGlyph(d));
  }
  for (const auto& [name, image] : pictures) {
    const QString path = out.filePath(name);
    if (!image.save(path, "PNG")) {
      std::fprintf(stderr, "suispo-art: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
