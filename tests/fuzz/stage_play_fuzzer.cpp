// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fuzzes the stage-file reader and the rules: the file is read, written and read again; its stages
// are played by operations from the input, checked against the undo history's rules; and a twin
// session on the same lines marked cleared must play exactly the same.
//
// Input: the stage file's bytes, then "\n@" and the operations, one byte each: N E S W move,
// n e s w build a wall, U undo, R restart, 1 to 9 choose a stage; any other byte is one of the ten
// by its value. Without "\n@" the whole input is the file and stage 1 is played with no operations.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/game_error.h"
#include "core/files/stage_file.h"
#include "core/rules/stage_play.h"
#include "tests/fuzz/fuzz_check.h"

namespace suispo {
namespace {

// The state an undo must bring back.
struct Snapshot {
  Board board;
  int x, y, mp;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Now(const PlayState& s) { return {s.board, s.playerX, s.playerY, s.mp}; }

void CheckState(const PlayState& s) {
  FUZZ_CHECK(OnBoard(s.playerX, s.playerY));
  FUZZ_CHECK(s.facing >= kNorth && s.facing <= kWest);
  int keys = 0;
  for (int i = 0; i < kCellCount; ++i) {
    FUZZ_CHECK(s.board.cells[i] >= kFloor && s.board.cells[i] <= kWarpOrange);
    FUZZ_CHECK(s.board.eastWalls[i] >= kNoWall && s.board.eastWalls[i] <= kMarkedEdge);
    FUZZ_CHECK(s.board.southWalls[i] >= kNoWall && s.board.southWalls[i] <= kMarkedEdge);
    keys += s.board.cells[i] == kKey;
  }
  FUZZ_CHECK(s.keysLeft == keys);
}

// The plays of a session, one stage after another, with what the undo history must hold, written
// from the rules: every move and every wall button press keeps the state before it, five at most;
// a start empties the history.
class CheckedSession {
 public:
  explicit CheckedSession(const std::vector<StageLine>& lines) : lines_(lines) {}

  // A new play of lines[stage]; a line without "C" starts where the last play left the character.
  // False when the stage cannot start.
  bool Choose(int stage) {
    const PlayState left = play_ ? *play_ : PlayState{};
    play_.emplace(lines_[static_cast<std::size_t>(stage)]);
    static_cast<PlayState&>(*play_) = left;
    history_.clear();
    try {
      play_->StartStage();
    } catch (const GameError&) {
      return false;
    }
    return true;
  }

  // The landing, or -1 for an operation that is no move.
  int Run(char op) {
    rules::StagePlay& play = *play_;
    const Snapshot before = Now(play);
    int landing = -1;
    const auto direction = static_cast<int>(std::string_view("NESW").find(static_cast<char>(op & ~0x20)));
    if (op == 'U') {
      const bool undone = play.Undo();
      FUZZ_CHECK(undone == !history_.empty());
      if (undone) {
        FUZZ_CHECK(Now(play) == history_.back());
        history_.pop_back();
      } else {
        FUZZ_CHECK(Now(play) == before);
      }
    } else if (op == 'R') {
      play.StartStage();
      history_.clear();
    } else if (op >= 'a') {
      play.PlaceWall(direction);
      Keep(before);
    } else {
      landing = static_cast<int>(play.Slide(direction).landing);
      Keep(before);
      if (landing == static_cast<int>(Landing::kMissed)) history_.clear();  // the stage started again
    }
    FUZZ_CHECK(play.undo.undoCount == static_cast<int>(history_.size()));
    CheckState(play);
    return landing;
  }

  const PlayState& state() const { return *play_; }

 private:
  void Keep(const Snapshot& before) {
    history_.push_back(before);
    if (history_.size() > kUndoSlots) history_.pop_front();
  }

  const std::vector<StageLine>& lines_;
  std::optional<rules::StagePlay> play_;
  std::deque<Snapshot> history_;
};

char Operation(unsigned char byte) {
  constexpr std::string_view kOps = "NESWnesw" "UR";
  if (kOps.find(static_cast<char>(byte)) != std::string_view::npos || (byte >= '1' && byte <= '9')) {
    return static_cast<char>(byte);
  }
  return kOps[byte % kOps.size()];
}

}  // namespace
}  // namespace suispo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace suispo;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t marker = input.rfind("\n@");
  const std::string_view file = input.substr(0, marker);
  const std::string_view ops = marker == std::string_view::npos ? "" : input.substr(marker + 2);

  std::vector<StageLine> lines;
  try {
    lines = ParseStageText(file, "fuzz.ssp");
  } catch (const GameError&) {
    return 0;
  }
  const bool mark = StartsWithByteOrderMark(file);
  FUZZ_CHECK(ParseStageText(StageText(lines, mark), "fuzz.ssp") == lines);
  if (lines.empty()) return 0;

  std::vector<StageLine> cleared;
  for (const StageLine& line : lines) cleared.push_back(MarkedCleared(line));
  CheckedSession session(lines);
  CheckedSession twin(cleared);
  auto choose = [&](int stage) {
    const bool started = session.Choose(stage);
    FUZZ_CHECK(twin.Choose(stage) == started);
    return started;
  };
  bool playing = choose(0);
  for (const char byte : ops) {
    const char op = Operation(static_cast<unsigned char>(byte));
    if (op >= '1' && op <= '9') {
      playing = choose((op - '1') % static_cast<int>(lines.size()));
      continue;
    }
    if (!playing) continue;  // a stage that did not start, or one cleared, takes no buttons
    const int landing = session.Run(op);
    FUZZ_CHECK(twin.Run(op) == landing);
    FUZZ_CHECK(Now(twin.state()) == Now(session.state()));
    playing = landing != static_cast<int>(Landing::kCleared);
  }
  return 0;
}
