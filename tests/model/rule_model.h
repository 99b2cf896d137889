// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// An independent model of the game's rules: the state of one stage and the operations of its buttons.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tests/model/stage_codes.h"

namespace suispo::model {

inline constexpr int kSide = 6;
inline constexpr int kSlots = 5;

// The board the way a stage line lists it: row first, then column.
struct Grid {
  std::array<std::array<int, kSide>, kSide> kind{};
  std::array<std::array<EdgePair, kSide>, kSide> edges{};
};

// One undo step: the board, the position and the wall points before an operation.
struct Snapshot {
  Grid grid;
  int x = 0;
  int y = 0;
  int mp = 0;
};

struct ModelState {
  Grid grid;
  int x = 0;  // column
  int y = 0;  // row
  int facing = 0;
  int mp = 0;
  int keys = 0;
  std::array<Snapshot, kSlots> ring{};
  int undoCount = 0;
  int undoIndex = 0;
};

// A board as the undo writes it: 36 cell characters, then 36 edge characters, both row by row.
std::string BoardTextOf(const Grid& grid);

class RuleModel {
 public:
  explicit RuleModel(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // Chooses lines[stage]: a new play begins where the character stands. Throws WallPointsError after
  // loading the board, as the start does.
  void Start(int stage);
  // Starts the chosen stage again, from where its play began unless its line has a "C".
  void Restart();
  // Runs one token (N E S W, +N +E +S +W, U, R) and names what happened, as the stage tool does.
  std::string Apply(const std::string& token);

  // The 72-character board text of the current board.
  std::string BoardText() const;
  // The tool's JSON object for the current state.
  std::string Json(const std::string& op, const std::string& event) const;

  ModelState s;
  // How often the rarer rules came into play, so a random run can show that it reached them.
  struct {
    int loopStops = 0;
    int lonePads = 0;
  } tally;

 private:
  void Load(const std::string& text);
  void Push();
  std::string Move(int direction);
  std::string Land();
  std::string Build(int direction);
  std::string TakeBack();
  bool StopsBefore(int direction) const;

  std::vector<std::string> lines_;
  int stage_ = 0;
  int playX_ = 0;  // where the current play began
  int playY_ = 0;
};

}  // namespace suispo::model
