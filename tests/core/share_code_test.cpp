// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Share codes: every shipped stage comes back from its code, and a bad code is refused saying why.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/share_code.h"
#include "core/files/share_code_digits.h"
#include "core/files/stage_file.h"
#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"
#include "tests/support/stage_builder.h"
#include "tests/support/worded_error.h"

namespace suispo {
namespace {

std::vector<StageLine> ShippedStages() {
  std::vector<StageLine> lines = BuiltinStages();
  for (const auto& entry : std::filesystem::directory_iterator(SUISPO_STAGES_DIR)) {
    if (entry.path().extension() != ".ssp") continue;
    const std::vector<StageLine> chapter = ReadStageFile(entry.path().string());
    lines.insert(lines.end(), chapter.begin(), chapter.end());
  }
  return lines;
}

// The message id a code is refused with; nothing when it is taken.
std::optional<MessageId> Refusal(std::string_view code) {
  try {
    DecodeShareCode(code);
  } catch (const GameError& error) {
    return error.id;
  }
  return std::nullopt;
}

// A code with a body of our own choosing and the right check, as a tampered code would carry.
std::string Checked(const std::string& body) { return body + share_code::CheckOf(body); }

const std::string kStageOne = BuiltinStages()[0];

TEST(ShareCode, EveryShippedStageComesBackTheSamePuzzleAndNameUncleared) {
  const std::vector<StageLine> lines = ShippedStages();
  ASSERT_GT(lines.size(), 60u);
  for (const StageLine& line : lines) {
    const std::string code = ShareCode(line);
    const StageLine back = DecodeShareCode(code);
    EXPECT_EQ(PuzzleKey(back), PuzzleKey(line)) << code;
    EXPECT_EQ(StageName(back), StageName(line)) << code;
    EXPECT_FALSE(IsCleared(back)) << code;
    EXPECT_TRUE(code.starts_with("S1")) << code;
    EXPECT_EQ(ShareCode(line.substr(0, kClearedFlagPosition)).size(), 48u) << "without its name: " << code;
  }
}

TEST(ShareCode, AStageWithoutStartBlanksAndLineEndsAroundAndWallPointsOfOneDigitComeBack) {
  const StageLine line = test::Stage({"120000", "000000", "000000", "000000", "000000", "000000"}, test::kNoWalls, " 7");
  EXPECT_EQ(DecodeShareCode(" \t" + ShareCode(line) + "\r\n"), line.substr(0, 72) + "070test");
  EXPECT_EQ(DecodeShareCode(ShareCode(line.substr(0, 72) + "-30")).substr(72, 3), "-30");
}

TEST(ShareCode, EveryMistypedCharacterAndEverySwapOfNeighboursIsCaught) {
  const std::string code = ShareCode(kStageOne);
  for (std::size_t i = 0; i < code.size(); ++i) {
    for (const char c : share_code::kAlphabet) {
      if (c == code[i]) continue;
      std::string typo = code;
      typo[i] = c;
      EXPECT_TRUE(Refusal(typo)) << typo;
    }
    if (i + 1 < code.size() && code[i] != code[i + 1]) {
      std::string swapped = code;
      std::swap(swapped[i], swapped[i + 1]);
      EXPECT_TRUE(Refusal(swapped)) << swapped;
    }
  }
}

TEST(ShareCode, ABadCodeIsRefusedWithWhatIsWrongWithIt) {
  const std::string code = ShareCode(kStageOne);
  const std::string bare = ShareCode(kStageOne.substr(0, kClearedFlagPosition));
  const std::string zeros(43, '0');
  struct Row {
    std::string text;
    MessageId refusal;
  };
  const Row rows[] = {
      {"", MessageId::kNotACode},
      {"https://example.org/", MessageId::kCodeBadCharacter},
      {"hello", MessageId::kNotACode},
      {"S2" + code.substr(2), MessageId::kCodeNewerVersion},
      {code.substr(0, 30), MessageId::kCodeWrongLength},
      {code.substr(0, code.size() - 2), MessageId::kCodeWrongLength},  // no name is 15 characters
      {code.substr(0, code.size() - 1), MessageId::kCodeCheckFailed},  // but a name of 11 bytes is 16
      {bare + bare, MessageId::kCodeWrongLength},
      {code + code, MessageId::kCodeCheckFailed},
      {bare.substr(0, 20) + "x" + bare.substr(21), MessageId::kCodeCheckFailed},
      {code.substr(0, 10) + "\x1b" + code.substr(10), MessageId::kCodeBadCharacter},
      {code.substr(0, 10) + "\xff\xfe" + code.substr(10), MessageId::kCodeBadCharacter},
      {code.substr(0, 10) + "\xe3\x81\x82" + code.substr(10), MessageId::kCodeBadCharacter},
      {code.substr(0, 10) + "\n" + code.substr(10), MessageId::kCodeBadCharacter},
      {code + ".", MessageId::kCodeBadCharacter},
      {std::string(3'000'000, 'S'), MessageId::kCodeTooLong},
      {Checked("S1" + std::string(43, 'z')), MessageId::kCodeBadStage},          // past every stage
      {Checked("S1" + zeros + share_code::WriteBytes("a\tb")), MessageId::kCodeBadStage},  // a tab in the name
  };
  for (const Row& row : rows) EXPECT_EQ(Refusal(row.text), row.refusal) << row.text.substr(0, 80);
}

TEST(ShareCode, TheRefusalSaysWhereTheBadCharacterIs) {
  try {
    DecodeShareCode("S1abc-def");
    FAIL() << "taken";
  } catch (const GameError& error) {
    EXPECT_EQ(test::Worded(error), "コードの 6 文字目が英字でも数字でもありません");
  }
}

}  // namespace
}  // namespace suispo
