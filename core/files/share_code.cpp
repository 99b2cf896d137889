// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The share code's layout: the stage's fields as one mixed-radix number, the name, the check.
#include "core/files/share_code.h"

#include <algorithm>
#include <optional>

#include "core/files/share_code_digits.h"
#include "core/files/stage_file.h"
#include "core/rules/cell_kinds.h"
#include "core/rules/play_state.h"
#include "core/rules/same_stage.h"
#include "core/text/game_error.h"

namespace suispo {
namespace {

using share_code::WideNumber;

// Each field takes exactly as many values as it can have, so the whole stage fits in 256 bits:
// wall points -9 to 99 ("-9" is the least two characters write), the start (36 for none), 12 cell
// kinds, 3 edge kinds on each cell's east and south edge.
constexpr int kLeastWallPoints = -9;
constexpr std::uint32_t kWallPointValues = 109;
constexpr std::uint32_t kNoStart = kCellCount;
constexpr std::size_t kStageDigits = 43;  // 62^43 > 12^36 * 3^72 * 37 * 109
constexpr std::size_t kFrameLength = kShareCodeVersion.size() + share_code::kCheckLength;
constexpr std::size_t kLongestName = kMaxLineBytes - kClearedFlagPosition;

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

[[noreturn]] void Refuse(MessageId id, std::vector<std::string> args = {}) { throw GameError(id, std::move(args)); }

// Blanks, tabs and line ends around a pasted code.
std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

WideNumber StageNumber(const PlayState& state, std::optional<Cell> start, int wallPoints) {
  WideNumber n;
  n.MulAdd(kWallPointValues, static_cast<std::uint32_t>(wallPoints - kLeastWallPoints));
  n.MulAdd(kNoStart + 1, start ? static_cast<std::uint32_t>(start->y * kBoardSize + start->x) : kNoStart);
  for (const int kind : state.board.cells) n.MulAdd(kCellKindCount, static_cast<std::uint32_t>(kind));
  for (int i = 0; i < kCellCount; ++i) {
    n.MulAdd(3, static_cast<std::uint32_t>(state.board.eastWalls[static_cast<std::size_t>(i)]));
    n.MulAdd(3, static_cast<std::uint32_t>(state.board.southWalls[static_cast<std::size_t>(i)]));
  }
  return n;
}

// The stage line of the number, without its name; nothing when the number holds no stage.
std::optional<StageLine> StageLineOf(WideNumber n) {
  Board board;
  for (int i = kCellCount; i-- > 0;) {
    board.southWalls[static_cast<std::size_t>(i)] = static_cast<int>(n.DivMod(3));
    board.eastWalls[static_cast<std::size_t>(i)] = static_cast<int>(n.DivMod(3));
  }
  for (int i = kCellCount; i-- > 0;) board.cells[static_cast<std::size_t>(i)] = static_cast<int>(n.DivMod(kCellKindCount));
  const std::uint32_t start = n.DivMod(kNoStart + 1);
  const int wallPoints = static_cast<int>(n.DivMod(kWallPointValues)) + kLeastWallPoints;
  if (!n.IsZero()) return std::nullopt;
  StageLine line = WriteBoardText(board);
  if (start != kNoStart) line[start] = 'C';  // the start reads as floor, whatever lay there
  const std::string points = std::to_string(wallPoints);
  line += points.size() < 2 ? "0" + points : points;
  line += '0';
  return line;
}

}  // namespace

std::size_t LongestShareCode() {
  return kFrameLength + kStageDigits + share_code::BytesTextLength(kLongestName);
}

std::string ShareCode(std::string_view line) {
  const int wallPoints = std::clamp(WallPoints(line), kLeastWallPoints, 99);
  PlayState state;
  rules::LoadBoard(line, state);
  std::string name = StageName(line);
  std::erase_if(name, IsControl);
  name.resize(std::min(name.size(), kLongestName));
  std::string code(kShareCodeVersion);
  code += share_code::WriteDigits(StageNumber(state, StartOfLine(line), wallPoints), kStageDigits);
  code += share_code::WriteBytes(name);
  return code + share_code::CheckOf(code);
}

StageLine DecodeShareCode(std::string_view text) {
  text = Trimmed(text);
  if (text.size() > LongestShareCode()) Refuse(MessageId::kCodeTooLong, {std::to_string(LongestShareCode())});
  const auto bad = std::ranges::find_if(text, [](char c) { return share_code::DigitOf(c) < 0; });
  if (bad != text.end()) Refuse(MessageId::kCodeBadCharacter, {std::to_string(bad - text.begin() + 1)});
  if (!text.starts_with(kShareCodeVersion)) {
    // "S" and another version: a code of a newer game, not a mistake.
    if (text.size() >= 2 && text[0] == kShareCodeVersion[0] && text[1] >= '2' && text[1] <= '9') {
      Refuse(MessageId::kCodeNewerVersion, {std::string(text.substr(0, 2))});
    }
    Refuse(MessageId::kNotACode);
  }
  if (text.size() < kShortestShareCode || !share_code::IsBytesTextLength(text.size() - kShortestShareCode)) {
    Refuse(MessageId::kCodeWrongLength);
  }
  const std::string_view body = text.substr(0, text.size() - share_code::kCheckLength);
  if (share_code::CheckOf(body) != text.substr(body.size())) Refuse(MessageId::kCodeCheckFailed);
  // Past the check only a code made on purpose is wrong: a number or a name no stage has.
  const std::optional<WideNumber> number = share_code::ReadDigits(body.substr(kShareCodeVersion.size(), kStageDigits));
  const std::optional<StageLine> line = number ? StageLineOf(*number) : std::nullopt;
  const std::optional<std::string> name = share_code::ReadBytes(body.substr(kShareCodeVersion.size() + kStageDigits));
  if (!line || !name || std::ranges::any_of(*name, IsControl)) Refuse(MessageId::kCodeBadStage);
  return *line + *name;
}

}  // namespace suispo
