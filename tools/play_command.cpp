// suispo-stage play: replays operations on a stage and reports each step, as JSON lines or for a person.
#include <iostream>

#include "core/display_text.h"
#include "core/game_error.h"
#include "core/stage_file.h"
#include "tools/board_text_picture.h"
#include "tools/commands.h"
#include "tools/replay.h"

namespace suispo::tool {

namespace {

constexpr const char* kFacingNames[4] = {"north", "east", "south", "west"};

void Report(bool json, const Game& game, const std::string& op, const std::string& event) {
  if (json) {
    std::cout << StateJson(game, op, event) << '\n';
    return;
  }
  std::cout << op << ": " << event << "\n"
            << BoardPicture(game) << "at (" << game.playerX << ", " << game.playerY << ") facing "
            << kFacingNames[game.facing & 3] << ", wall points " << game.mp << ", keys left " << game.keysLeft
            << ", undo " << game.undo.undoCount << "\n\n";
}

}  // namespace

int PlayCommand(const Args& given) {
  Args args = given;
  const bool json = !args.empty() && args[0] == "--json";
  if (json) args.erase(args.begin());
  if (args.size() < 2) {
    std::cerr << "usage: suispo-stage play [--json] FILE STAGE [OP ...]\n";
    return 2;
  }
  std::vector<StageLine> lines;
  std::vector<std::string> ops;
  try {
    ops = ParseOps(Args(args.begin() + 2, args.end()));
    lines = ReadStageFile(args[0]);
    const int stage = StageIndexOf(args[1], lines.size());
    NoDrawing painter;
    QuietWindow window;
    Game game(lines, painter, window);
    game.stageIndex = stage;
    game.StartStage();
    game.inputReady = 1;
    if (!json) std::cout << "stage " << args[1] << ": " << DisplayText(StageName(lines[stage])) << "\n";
    Report(json, game, "start", "none");
    bool cleared = false;
    for (const std::string& op : ops) {
      if (cleared) {
        std::cout.flush();
        std::cerr << "suispo-stage: the stage is cleared; '" << op << "' comes after the end\n";
        return 1;
      }
      const std::string event = RunOp(game, op);
      cleared = event == "cleared";
      Report(json, game, op, event);
    }
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "suispo-stage: " << e.what() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace suispo::tool
