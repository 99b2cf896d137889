// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Lock-step replay of the model and the game, comparing the tool's JSON and the undo history after every step.
#include "tests/model/play_both.h"

namespace suispo::model {
namespace {

std::string Joined(const std::vector<std::string>& tokens, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && i < tokens.size(); ++i) text += (i ? " " : "") + tokens[i];
  return text;
}

}  // namespace

std::string HistoryDifference(const ModelState& model, const Game& game) {
  const UndoRing& ring = game.undo;
  if (ring.undoIndex != model.undoIndex)
    return "undoIndex " + std::to_string(ring.undoIndex) + ", model " + std::to_string(model.undoIndex);
  for (int back = 0; back < model.undoCount; ++back) {
    const int slot = (model.undoIndex - back + kSlots) % kSlots;
    const Snapshot& want = model.ring[slot];
    bool same = ring.undoX[slot] == want.x && ring.undoY[slot] == want.y && ring.undoMp[slot] == want.mp;
    for (int x = 0; x < kSide; ++x) {
      for (int y = 0; y < kSide; ++y) {
        const int i = x * kSide + y;
        same = same && ring.undoCells[slot][i] == want.grid.kind[y][x] &&
               ring.undoEastWalls[slot][i] == want.grid.edges[y][x].east &&
               ring.undoSouthWalls[slot][i] == want.grid.edges[y][x].south;
      }
    }
    if (!same) return "snapshot in slot " + std::to_string(slot) + " differs";
  }
  return "";
}

PlayResult PlayBoth(GameRun& game, RuleModel& model, int stage, const std::vector<std::string>& tokens) {
  PlayResult result;
  auto differs = [&](std::size_t done, const std::string& expected, const std::string& actual) {
    result.disagreement = "stage " + std::to_string(stage + 1) + " ops [" + Joined(tokens, done) +
                          "]\n  model: " + expected + "\n  game:  " + actual;
  };

  std::string modelError;
  try {
    model.Start(stage);
  } catch (const WallPointsError& error) {
    modelError = error.message;
  }
  const std::string gameError = game.Start(stage).value_or("");
  const std::string expected = model.Json("start", "none");
  const std::string actual = game.Json("start", "none");
  if (modelError != gameError || expected != actual) {
    differs(0, "error: " + modelError + " " + expected, "error: " + gameError + " " + actual);
    return result;
  }
  if (!gameError.empty()) {
    result.lines.push_back("error: " + gameError);
    return result;
  }
  result.lines.push_back(actual);

  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::string want = model.Json(tokens[i], model.Apply(tokens[i]));
    const std::string got = game.Run(tokens[i]);
    result.lines.push_back(got);
    const std::string history = HistoryDifference(model.s, game.game());
    if (want != got || !history.empty()) {
      differs(i + 1, want, got + (history.empty() ? "" : "\n  history: " + history));
      return result;
    }
    if (got.ends_with("\"event\":\"cleared\"}")) break;
  }
  return result;
}

}  // namespace suispo::model
