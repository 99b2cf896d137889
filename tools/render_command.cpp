// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage render: draws the play surface (or only its board panel) after replaying operations on a
// stage, and saves it as PNG.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <memory>

#include "core/game/game_window.h"
#include "core/files/stage_file.h"
#include "tools/commands.h"
#include "tools/output_file.h"
#include "tools/replay.h"
#include "view/board_view.h"
#include "view/program_messages.h"
#include "view/unwatched_surface.h"

namespace suispo::tool {

namespace {

// Fonts need a Gui application; without a display the off-screen platform serves.
std::unique_ptr<QGuiApplication> StartGui() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  PrefixQtMessages("suispo-stage: ");
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "suispo-stage";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// The board panel of the play surface: the name plate and the board in their frame, as the help shows them.
const QRect kBoardPanel(8, 8, 312, 338);

constexpr const char* kUsage = "suispo-stage render [--board] [--scale 1|2|3] FILE STAGE [OP ...] -o OUT.png";

}  // namespace

int RenderCommand(const Args& given) {
  Args args;
  std::string out;
  bool board = false;
  int scale = 1;
  for (std::size_t i = 0; i < given.size(); ++i) {
    if (given[i] == "--board") {
      board = true;
    } else if (given[i] == "--scale") {
      // The scales the pictures are painted at; anything else is a wrong command line.
      const std::string value = i + 1 < given.size() ? given[++i] : "";
      if (value != "1" && value != "2" && value != "3") return Usage(kUsage);
      scale = value[0] - '0';
    } else if (given[i] == "-o" && i + 1 < given.size()) {
      out = given[++i];
    } else {
      args.push_back(given[i]);
    }
  }
  if (args.size() < 2 || out.empty()) return Usage(kUsage);
  try {
    const StageRequest request = OpenStage(args);
    const auto gui = StartGui();

    NoWaitClock clock;
    NoScreen screen;
    BoardView view(clock, screen, scale);
    NullWindow window;  // nothing to show but the surface; the tool never changes a stage file
    Game game(request.lines, view, window);
    game.ChooseStage(request.stage);
    game.inputReady = 1;
    ReplayOps(game, request.ops);
    const QRect panel(kBoardPanel.topLeft() * scale, kBoardPanel.size() * scale);
    QImage picture = board ? view.surface().copy(panel) : view.surface();
    picture.setDevicePixelRatio(1);  // the file holds the pixels, not a size in 1x units
    // Encoded in memory first: the file is then written whole or not at all.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) throw std::runtime_error("cannot encode the picture");
    WriteOutputFile(out, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
  } catch (const std::exception& e) {
    return Fail(e);
  }
  return 0;
}

}  // namespace suispo::tool
