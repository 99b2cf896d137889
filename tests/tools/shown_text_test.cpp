// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the stage tool prints of a stage's text: control characters escaped, for a terminal and for JSON.
#include "tools/shown_text.h"

#include <gtest/gtest.h>

namespace suispo::tool {
namespace {

TEST(VisibleText, ControlCharactersAndStrayBytesAreEscapedAndTheRestStays) {
  EXPECT_EQ(VisibleText("練習\x1b]0;title\x07"), "練習\\x1b]0;title\\x07");
  EXPECT_EQ(VisibleText("a\tb\x7f\n"), "a\\x09b\\x7f\\x0a");
  EXPECT_EQ(VisibleText("\xc2\x9b" "31m"), "\\u009b31m");  // the one-character CSI
  EXPECT_EQ(VisibleText("x\xff\x9by"), "x\\xff\\x9by");
  EXPECT_EQ(VisibleText("「惑う」かな？ a\\b \xc2\xa0"), "「惑う」かな？ a\\b \xc2\xa0");
}

TEST(JsonString, QuotesBackslashesAndControlCharactersAreEscapedAsJsonDoes) {
  EXPECT_EQ(JsonString("say \"hi\" \\"), "\"say \\\"hi\\\" \\\\\"");
  EXPECT_EQ(JsonString("\n\r\t\x1b\x7f\xc2\x9b"), "\"\\n\\r\\t\\u001b\\u007f\\u009b\"");
  EXPECT_EQ(JsonString("練習"), "\"練習\"");
  EXPECT_EQ(JsonString("a\xff"), "\"a\xef\xbf\xbd\"");
}

}  // namespace
}  // namespace suispo::tool
