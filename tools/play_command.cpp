// suispo-stage play: replays operations on a stage and reports each step, as JSON lines or for a person.
#include <iostream>

#include "core/display_text.h"
#include "core/game_error.h"
#include "core/stage_file.h"
#include "tools/board_text_picture.h"
#include "tools/commands.h"
#include "tools/stage_file_reading.h"
#include "tools/replay.h"
#include "tools/shown_text.h"

namespace suispo::tool {

namespace {

constexpr const char* kFacingNames[4] = {"north", "east", "south", "west"};

void Report(bool json, const StagePlay& play, const std::string& op, const std::string& event) {
  const PlayState& s = play.state;
  if (json) {
    std::cout << StateJson(s, play.undo, op, event) << '\n';
    return;
  }
  std::cout << op << ": " << event << "\n"
            << BoardPicture(s) << "at (" << s.playerX << ", " << s.playerY << ") facing "
            << kFacingNames[s.facing & 3] << ", wall points " << s.mp << ", keys left " << s.keysLeft
            << ", undo " << play.undo.undoCount << "\n\n";
}

}  // namespace

int PlayCommand(const Args& given) {
  Args args = given;
  const bool json = !args.empty() && args[0] == "--json";
  if (json) args.erase(args.begin());
  if (args.size() < 2) return Usage("suispo-stage play [--json] FILE STAGE [OP ...]");
  std::vector<StageLine> lines;
  std::vector<std::string> ops;
  try {
    ops = ParseOps(Args(args.begin() + 2, args.end()));
    lines = ReadStages(args[0]);
    const int stage = StageIndexOf(args[1], lines.size());
    StagePlay play(lines[static_cast<std::size_t>(stage)]);
    play.StartStage();
    if (!json) {
      std::cout << "stage " << stage + 1 << ": "
                << VisibleText(DisplayText(StageName(lines[static_cast<std::size_t>(stage)]))) << "\n";
    }
    Report(json, play, "start", "none");
    bool cleared = false;
    for (const std::string& op : ops) {
      if (cleared) {
        Fail("the stage is cleared; '" + op + "' comes after the end");
        return 1;
      }
      const std::string event = RunOp(play, op);
      cleared = event == "cleared";
      Report(json, play, op, event);
    }
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  return 0;
}

}  // namespace suispo::tool
