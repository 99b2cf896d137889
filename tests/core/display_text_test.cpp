// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Stage names made readable: code page 932 decoded, UTF-8 kept, bad bytes replaced, nothing thrown.
#include "core/text/display_text.h"

#include <gtest/gtest.h>

namespace suispo {
namespace {

TEST(DisplayTextTest, CodePage932IsDecoded) {
  EXPECT_EQ(DisplayText("\x81\x75\x98\x66\x82\xa4\x81\x76\x82\xa9\x82\xc8\x81\x48"), "「惑う」かな？");
  // Second bytes equal to '[' and '\' belong to their characters.
  EXPECT_EQ(DisplayText("\x83\x8f\x81\x5b\x83\x76\x81\x41\x83\x5c"), "ワープ、ソ");
  // Where code page 932 differs from plain Shift-JIS: backslash, tilde, wave dash, NEC and IBM rows.
  EXPECT_EQ(DisplayText("\x5c\x7e\x81\x60\x87\x40\xfa\x40\xed\x40\x82\xa0"), "\\~～①ⅰ纊あ");
  EXPECT_EQ(DisplayText("\xb1\xdd\xc0\xde"), "ｱﾝﾀﾞ");  // half-width katakana are single bytes
}

TEST(DisplayTextTest, Utf8AndAsciiStayAsTheyAre) {
  EXPECT_EQ(DisplayText("練習ステージ"), "練習ステージ");
  EXPECT_EQ(DisplayText("plain name 123"), "plain name 123");
  EXPECT_EQ(DisplayText(""), "");
  // Overlong or cut-off UTF-8 is not UTF-8: it is read as code page 932 instead.
  EXPECT_EQ(DisplayText("\xc0\xaf"), "ﾀｯ");
  EXPECT_EQ(DisplayText("\xe6\xa8"), "讓");  // the first two bytes of UTF-8 "樹"
}

TEST(DisplayTextTest, UndecodableBytesBecomeReplacementCharacters) {
  EXPECT_EQ(DisplayText("a\x80" "b\xa0" "c\xfd\xfe\xff"), "a\uFFFDb\uFFFDc\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(DisplayText("\x82\xa0\x81"), "あ\uFFFD");  // a lead byte cut off at the end
  EXPECT_EQ(DisplayText("\x81 x"), "\uFFFD x");       // a lead byte without a valid second byte
  // Longer than one conversion buffer, with the bad byte at the very end.
  std::string bytes, expected;
  for (int i = 0; i < 300; ++i) {
    bytes += "\x82\xa0";
    expected += "あ";
  }
  EXPECT_EQ(DisplayText(bytes + "\xff"), expected + "\uFFFD");
}

}  // namespace
}  // namespace suispo
