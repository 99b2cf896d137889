// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Replaying operations: the tokens, what each does, and the state written as JSON.
#include "tools/replay.h"

#include <array>

#include "core/text/whole_number.h"
#include "tools/stage_file_reading.h"

namespace suispo::tool {

namespace {

constexpr std::array<const char*, 10> kTokens = {"N", "E", "S", "W", "+N", "+E", "+S", "+W", "U", "R"};

int DirectionOfLetter(char letter) {
  switch (letter) {
    case 'N': return kNorth;
    case 'E': return kEast;
    case 'S': return kSouth;
    default: return kWest;
  }
}

const char* LandingName(Landing landing) {
  switch (landing) {
    case Landing::kKey: return "key";
    case Landing::kCleared: return "cleared";
    case Landing::kMissed: return "missed";
    case Landing::kWarp: return "warp";
    case Landing::kNone: break;
  }
  return "none";
}

// The buttons of a token, on the game or on a stage played without a screen.
template <class Play, class SlideFn>
std::string Press(Play& play, const std::string& token, SlideFn slide) {
  if (token == "U") return play.Undo() ? "undo" : "none";
  if (token == "R") {
    play.StartStage();
    return "none";
  }
  if (token[0] == '+') return play.PlaceWall(DirectionOfLetter(token[1])) ? "wall" : "none";
  return LandingName(slide(DirectionOfLetter(token[0])));
}

}  // namespace

std::vector<std::string> ParseOps(const std::vector<std::string>& args) {
  std::vector<std::string> ops;
  for (const std::string& arg : args) {
    std::string token;
    for (std::size_t i = 0; i <= arg.size(); ++i) {
      const char c = i < arg.size() ? arg[i] : ' ';
      if (c != ' ' && c != ',' && c != '\t') {
        token += c;
        continue;
      }
      if (token.empty()) continue;
      bool known = false;
      for (const char* t : kTokens) known = known || token == t;
      if (!known) throw std::invalid_argument("unknown operation '" + token + "'");
      ops.push_back(token);
      token.clear();
    }
  }
  return ops;
}

std::string RunOp(rules::StagePlay& play, const std::string& token) {
  return Press(play, token, [&](int direction) { return play.Slide(direction).landing; });
}

std::string RunOp(Game& game, const std::string& token) {
  return Press(game, token, [&](int d) { return game.Slide(kStepX[d], kStepY[d], d); });
}

std::string OpsText(const std::vector<SolverOp>& ops, bool json) {
  std::string text;
  for (const SolverOp& op : ops) {
    const std::string token = std::string(op.wall ? "+" : "") + "NESW"[op.direction & 3];
    if (!text.empty()) text += json ? "," : " ";
    text += json ? "\"" + token + "\"" : token;
  }
  return text;
}

std::string StateJson(const PlayState& state, const UndoRing& undo, const std::string& op, const std::string& event) {
  auto field = [](const char* name, int value) { return std::string(",\"") + name + "\":" + std::to_string(value); };
  return "{\"op\":\"" + op + "\",\"board\":\"" + WriteBoardText(state.board) + "\"" + field("x", state.playerX) +
         field("y", state.playerY) + field("facing", state.facing) + field("mp", state.mp) +
         field("keys", state.keysLeft) + field("undo", undo.undoCount) + ",\"event\":\"" + event + "\"}";
}

int StageIndexOf(const std::string& argument, std::size_t stageCount) {
  const std::optional<std::uint64_t> number = WholeNumber(argument, stageCount);
  if (!number || *number < 1) {
    throw std::invalid_argument("no stage " + argument + " (the file holds " + std::to_string(stageCount) + ")");
  }
  return static_cast<int>(*number) - 1;
}

StageRequest OpenStage(const std::vector<std::string>& args) {
  StageRequest request;
  request.ops = ParseOps(std::vector<std::string>(args.begin() + 2, args.end()));
  request.lines = ReadStages(args[0]);
  request.stage = StageIndexOf(args[1], request.lines.size());
  return request;
}

}  // namespace suispo::tool
