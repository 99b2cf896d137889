// Stage files as text: where lines end, what is written, and which files are refused.
#include <gtest/gtest.h>

#include "core/game_error.h"
#include "core/stage_file.h"

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
    return e.what();
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

TEST(StageFile, AMissingFileCannotBeOpened) {
  try {
    ReadStageFile("/nonexistent/x.ssp");
    FAIL() << "no error";
  } catch (const GameError& e) {
    EXPECT_STREQ(e.what(), "ファイル /nonexistent/x.ssp は開けません");
  }
  EXPECT_THROW(ReadStageFile("/"), GameError);  // a folder is no stage file
}

}  // namespace
}  // namespace suispo
