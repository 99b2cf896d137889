// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage files as text: where lines end, what is written, and which files are refused.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "core/text/game_error.h"
#include "core/files/stage_file.h"
#include "tests/support/worded_error.h"

namespace suispo {
namespace {

using Lines = std::vector<StageLine>;

TEST(StageFile, LinesEndAtCrLfCrOrLf) {
  EXPECT_EQ(ParseStageText("a\r\nb\rc\nd", "f"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(ParseStageText("a\nb\n", "f"), (Lines{"a", "b"}));
  EXPECT_EQ(ParseStageText("a\rb\r", "f"), (Lines{"a", "b"}));
  EXPECT_EQ(ParseStageText("a\r\nb\r\n", "f"), (Lines{"a", "b"}));
}

TEST(StageFile, LfThenCrEndsTwoLinesAndEmptyLinesInTheMiddleStay) {
  EXPECT_EQ(ParseStageText("a\n\rb", "f"), (Lines{"a", "", "b"}));
  EXPECT_EQ(ParseStageText("a\r\n\r\nb\r\n", "f"), (Lines{"a", "", "b"}));
  EXPECT_EQ(ParseStageText("\n", "f"), (Lines{""}));
  EXPECT_EQ(ParseStageText("", "f"), Lines{});
}

TEST(StageFile, WritingEndsEveryLineWithCrLf) {
  EXPECT_EQ(StageText({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(StageText({}), "");
  const std::string bytes = "x\ny\rz";
  EXPECT_EQ(ParseStageText(StageText(ParseStageText(bytes, "f")), "f"), ParseStageText(bytes, "f"));
}

std::string ErrorOf(std::string_view bytes) {
  try {
    ParseStageText(bytes, "s.ssp");
  } catch (const GameError& e) {
    return test::Worded(e);
  }
  return "no error";
}

TEST(StageFile, AFileWithANulByteIsRefusedWhole) {
  using namespace std::string_literals;
  EXPECT_EQ(ErrorOf("a\r\nb\0c\r\n"s), "ファイル s.ssp はテキストファイルではありません");
}

TEST(StageFile, ALineOf4096BytesOrMoreIsRefusedWithItsNumber) {
  const std::string ok(4095, '0');
  EXPECT_EQ(ParseStageText("a\n" + ok, "f").at(1).size(), 4095u);
  EXPECT_EQ(ErrorOf("a\n\n" + std::string(4096, '0') + "\n"), "ファイル s.ssp の 3 行目が長すぎます");
}

// A path for a test's own file in the test folder.
std::string TestPath(const std::string& name) {
  return ::testing::TempDir() + "stage_file_" + std::to_string(getpid()) + "_" + name;
}

std::string ReadError(const std::string& path) {
  try {
    ReadStageFile(path);
  } catch (const GameError& e) {
    return test::Worded(e);
  }
  return "no error";
}

TEST(StageFile, OnlyARegularFileIsOpenedAndNothingElseIsWaitedFor) {
  EXPECT_EQ(ReadError("/nonexistent/x.ssp"), "ファイル /nonexistent/x.ssp は開けません");
  EXPECT_EQ(ReadError("/"), "ファイル / は開けません");  // a folder is no stage file
  // A FIFO without a writer would hold an open or a read for good; a device would never end.
  const std::string fifo = TestPath("fifo.ssp");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ReadError(fifo), "ファイル " + fifo + " は開けません");
  std::remove(fifo.c_str());
  EXPECT_EQ(ReadError("/dev/zero"), "ファイル /dev/zero は開けません");
}

TEST(StageFile, AFileBeyondTheLimitsIsRefusedWhole) {
  const std::string empties(kMaxStageLines, '\n');
  std::string crLfs;
  for (std::size_t i = 0; i < kMaxStageLines; ++i) crLfs += "\r\n";
  EXPECT_EQ(ParseStageText(empties, "f").size(), kMaxStageLines);
  EXPECT_EQ(ParseStageText(crLfs, "f").size(), kMaxStageLines);
  EXPECT_EQ(ErrorOf(empties + "one more"), "ファイル s.ssp は行が多すぎます");

  const std::string big = TestPath("big.ssp");
  std::ofstream{big};
  ASSERT_EQ(truncate(big.c_str(), kMaxFileBytes + 1), 0);
  EXPECT_EQ(ReadError(big), "ファイル " + big + " は大きすぎます");
  std::remove(big.c_str());
}

TEST(StageFile, AByteOrderMarkIsNoPartOfTheFirstLineAndIsWrittenBackWhenAsked) {
  const std::string marked = std::string(kByteOrderMark) + "C0\r\nname\r\n";
  EXPECT_TRUE(StartsWithByteOrderMark(marked));
  EXPECT_FALSE(StartsWithByteOrderMark("C0\xEF\xBB\xBF"));
  EXPECT_EQ(ParseStageText(marked, "f"), (Lines{"C0", "name"}));
  EXPECT_EQ(ParseStageText("C0\xEF\xBB\xBF", "f"), (Lines{"C0\xEF\xBB\xBF"}));  // only at the very start
  EXPECT_EQ(StageText(ParseStageText(marked, "f"), true), marked);
}

}  // namespace
}  // namespace suispo
