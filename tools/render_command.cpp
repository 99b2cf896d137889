// suispo-stage render: draws the play surface (or only its board panel) after replaying operations on a
// stage, and saves it as PNG.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <memory>

#include "assets/pictures.h"
#include "core/game_window.h"
#include "core/stage_file.h"
#include "tools/commands.h"
#include "tools/stage_file_reading.h"
#include "tools/output_file.h"
#include "tools/replay.h"
#include "view/board_view.h"
#include "view/program_messages.h"
#include "view/unwatched_surface.h"

namespace suispo::tool {

namespace {

// The game's window as a picture needs it: nothing to show but the surface, and no stage file
// saved at a clear (the tool never changes a stage file).
class PictureWindow : public GameWindow {
 public:
  void SetUndoEnabled(bool) override {}
  void ShowMp(int) override {}
  void MarkStageCleared(int) override {}
  void HidePlayScreen() override {}
  void ShowStageSelect() override {}
};

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

}  // namespace

int RenderCommand(const Args& given) {
  Args args;
  std::string out;
  bool board = false;
  for (std::size_t i = 0; i < given.size(); ++i) {
    if (given[i] == "--board") {
      board = true;
    } else if (given[i] == "-o" && i + 1 < given.size()) {
      out = given[++i];
    } else {
      args.push_back(given[i]);
    }
  }
  if (args.size() < 2 || out.empty()) return Usage("suispo-stage render [--board] FILE STAGE [OP ...] -o OUT.png");
  try {
    const std::vector<std::string> ops = ParseOps(Args(args.begin() + 2, args.end()));
    const std::vector<StageLine> lines = ReadStages(args[0]);
    const int stage = StageIndexOf(args[1], lines.size());
    const auto gui = StartGui();

    NoWaitClock clock;
    NoScreen screen;
    BoardView view(assets::ReadPicture(assets::kAtlas), assets::ReadPicture(assets::kBackground), clock, screen);
    PictureWindow window;
    Game game(lines, view, window);
    game.ChooseStage(stage);
    game.inputReady = 1;
    bool cleared = false;
    for (const std::string& op : ops) {
      if (cleared) throw std::runtime_error("the stage is cleared; '" + op + "' comes after the end");
      cleared = RunOp(game, op) == "cleared";
    }
    const QImage picture = board ? view.surface().copy(kBoardPanel) : view.surface();
    // Encoded in memory first: the file is then written whole or not at all.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) throw std::runtime_error("cannot encode the picture");
    WriteOutputFile(out, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  return 0;
}

}  // namespace suispo::tool
