// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// suispo-stage play: replays operations on a stage and reports each step, as JSON lines or for a person.
#include <iostream>

#include "core/text/display_text.h"
#include "core/text/game_error.h"
#include "core/files/stage_file.h"
#include "tools/board_text_picture.h"
#include "tools/commands.h"
#include "tools/replay.h"
#include "tools/shown_text.h"

namespace suispo::tool {

namespace {

constexpr const char* kFacingNames[4] = {"north", "east", "south", "west"};

void Report(bool json, const rules::StagePlay& play, const std::string& op, const std::string& event) {
  const PlayState& s = play;
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
  const bool json = TakeLeadingFlag(args, "--json");
  if (args.size() < 2) return Usage("suispo-stage play [--json] FILE STAGE [OP ...]");
  try {
    const StageRequest request = OpenStage(args);
    rules::StagePlay play(request.line());
    play.StartStage();
    if (!json) {
      std::cout << "stage " << request.stage + 1 << ": " << VisibleText(DisplayText(StageName(request.line())))
                << "\n";
    }
    Report(json, play, "start", "none");
    ReplayOps(play, request.ops,
              [&](const std::string& op, const std::string& event) { Report(json, play, op, event); });
  } catch (const std::exception& e) {
    return Fail(e);
  }
  return 0;
}

}  // namespace suispo::tool
