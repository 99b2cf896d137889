// Replaying operations: the tokens, what each does, and the state written as JSON.
#include "tools/replay.h"

#include <array>

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

std::string RunOp(Game& game, const std::string& token) {
  if (token == "U") return game.Undo() ? "undo" : "none";
  if (token == "R") {
    game.StartStage();
    return "none";
  }
  if (token[0] == '+') return game.PlaceWall(DirectionOfLetter(token[1])) ? "wall" : "none";
  const int direction = DirectionOfLetter(token[0]);
  return LandingName(game.Slide(kStepX[direction], kStepY[direction], direction));
}

std::string StateJson(const Game& game, const std::string& op, const std::string& event) {
  auto field = [](const char* name, int value) { return std::string(",\"") + name + "\":" + std::to_string(value); };
  return "{\"op\":\"" + op + "\",\"board\":\"" + WriteBoardText(game.board) + "\"" + field("x", game.playerX) +
         field("y", game.playerY) + field("facing", game.facing) + field("mp", game.mp) +
         field("keys", game.keysLeft) + field("undo", game.undo.undoCount) + ",\"event\":\"" + event + "\"}";
}

int StageIndexOf(const std::string& argument, std::size_t stageCount) {
  std::size_t used = 0;
  long number = 0;
  try {
    number = std::stol(argument, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != argument.size() || number < 1 || static_cast<std::size_t>(number) > stageCount) {
    throw std::invalid_argument("no stage " + argument + " (the file holds " + std::to_string(stageCount) + ")");
  }
  return static_cast<int>(number - 1);
}

}  // namespace suispo::tool
