// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The profile-text rules: what a lookup finds and what an edit leaves of the rest of the text.
#include "app/store/profile_text.h"

#include <gtest/gtest.h>

namespace suispo {
namespace {

TEST(ProfileTextTest, LookupIgnoresCaseBlanksQuotesAndComments) {
  const std::string text =
      "; xpos=1 in a comment is not a key\r\n"
      "stray=before any section\r\n"
      "  [ position ]  \r\n"
      "\tXPOS =  100  \r\n"
      "xpos=200\r\n"
      ";ypos=9\r\n"
      "Ypos=\"  -5 \"\r\n"
      "quoted='a'\r\n"
      "half=\"b\r\n"
      "mixed=\"c'\r\n"
      "twice=\"\"d\"\"\r\n"
      "noequals\r\n"
      "empty=\r\n"
      "[FileName]\r\n"
      "datafile=x.ssp";
  EXPECT_EQ(FindProfileValue(text, "Position", "xpos"), "100");  // first of duplicates
  EXPECT_EQ(FindProfileValue(text, "POSITION", "ypos"), "  -5 ");
  EXPECT_EQ(FindProfileValue(text, "Position", "quoted"), "a");
  EXPECT_EQ(FindProfileValue(text, "Position", "half"), "\"b");
  EXPECT_EQ(FindProfileValue(text, "Position", "mixed"), "\"c'");
  EXPECT_EQ(FindProfileValue(text, "Position", "twice"), "\"d\"");  // only one pair goes
  EXPECT_EQ(FindProfileValue(text, "Position", "empty"), "");
  EXPECT_EQ(FindProfileValue(text, "filename", "DataFile"), "x.ssp");
  EXPECT_EQ(FindProfileValue(text, "Position", "stray"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "Position", "noequals"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "Position", "datafile"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "Other", "xpos"), std::nullopt);
}

TEST(ProfileTextTest, AByteOrderMarkIsSkippedOnReadingAndKeptOnWriting) {
  const std::string text = "\xEF\xBB\xBF[Position]\r\nxpos=130\r\n[FileName]\r\ndatafile=a.ssp\r\n";
  EXPECT_EQ(FindProfileValue(text, "Position", "xpos"), "130");
  EXPECT_EQ(WithProfileValue(text, "Position", "xpos", "7"),
            "\xEF\xBB\xBF[Position]\r\nxpos=7\r\n[FileName]\r\ndatafile=a.ssp\r\n");
}

TEST(ProfileTextTest, OnlyTheFirstSectionOfANameCounts) {
  const std::string text = "[A]\nk=1\n[a]\nk=2\nj=3\n";
  EXPECT_EQ(FindProfileValue(text, "a", "k"), "1");
  EXPECT_EQ(FindProfileValue(text, "a", "j"), std::nullopt);
  EXPECT_EQ(WithProfileValue(text, "a", "j", "4"), "[A]\nk=1\nj=4\n[a]\nk=2\nj=3\n");
}

TEST(ProfileTextTest, EveryLineEndIsRead) {
  for (const std::string eol : {"\r\n", "\r", "\n"}) {
    const std::string text = "[S]" + eol + "a=1" + eol + eol + "b=2" + eol + "[T]" + eol + "a=3";
    EXPECT_EQ(FindProfileValue(text, "S", "a"), "1") << "line end " << eol.size();
    EXPECT_EQ(FindProfileValue(text, "S", "b"), "2");
    EXPECT_EQ(FindProfileValue(text, "T", "a"), "3");
  }
  // A lone LF then CR ends two lines.
  EXPECT_EQ(FindProfileValue("[S]\n\ra=1", "S", "a"), "1");
}

TEST(ProfileTextTest, ReplacingAValueKeepsEveryOtherByte) {
  const std::string text =
      "; window\r\n"
      "[Position]  ; where it was\r\n"
      "  XPos =  100\r\n"
      "xpos=999\r\n"
      "\r\n"
      "[FileName]\r\n"
      "datafile=\x82\xa0.ssp\r\n";
  EXPECT_EQ(WithProfileValue(text, "position", "xpos", "-7"),
            "; window\r\n"
            "[Position]  ; where it was\r\n"
            "  XPos =  -7\r\n"
            "xpos=999\r\n"
            "\r\n"
            "[FileName]\r\n"
            "datafile=\x82\xa0.ssp\r\n");
}

TEST(ProfileTextTest, NewKeyGoesAfterTheLastKeyOfItsSection) {
  const std::string text =
      "[Position]\n"
      "xpos=1\n"
      "; trailing comment\n"
      "\n"
      "[FileName]\n"
      "datafile=a.ssp\n";
  EXPECT_EQ(WithProfileValue(text, "Position", "ypos", "2"),
            "[Position]\n"
            "xpos=1\n"
            "ypos=2\n"
            "; trailing comment\n"
            "\n"
            "[FileName]\n"
            "datafile=a.ssp\n");
  // A section without keys gets it right under its header; a text without a last line end gets one.
  EXPECT_EQ(WithProfileValue("[S]\r\n; note", "S", "k", "v"), "[S]\r\nk=v\r\n; note");
  EXPECT_EQ(WithProfileValue("[S]\r\nj=1", "S", "k", "v"), "[S]\r\nj=1\r\nk=v\r\n");
}

TEST(ProfileTextTest, NewSectionGoesAtTheEndWithTheTextsLineEnd) {
  EXPECT_EQ(WithProfileValue("", "Position", "xpos", "0"), "[Position]\r\nxpos=0\r\n");
  EXPECT_EQ(WithProfileValue("[A]\nk=1\n", "B", "j", "2"), "[A]\nk=1\n[B]\nj=2\n");
  EXPECT_EQ(WithProfileValue("; only a comment", "B", "j", "2"), "; only a comment\r\n[B]\r\nj=2\r\n");
  EXPECT_EQ(WithProfileValue("[A]\rk=1", "B", "j", "2"), "[A]\rk=1\r[B]\rj=2\r");
}

TEST(ProfileTextTest, ValuesThatReadingWouldChangeComeBackUnchanged) {
  for (const std::string value : {" lead.ssp", "trail.ssp ", "'q'", "\"dq\"", "\"", "a=b", ";x", ""}) {
    const std::string text = WithProfileValue("[S]\r\nk=old\r\n", "S", "k", value);
    EXPECT_EQ(FindProfileValue(text, "S", "k"), value) << text;
  }
  EXPECT_EQ(WithProfileValue("", "S", "k", "plain name.ssp"), "[S]\r\nk=plain name.ssp\r\n");
}

}  // namespace
}  // namespace suispo
