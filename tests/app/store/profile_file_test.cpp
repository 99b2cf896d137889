// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Profile files on disk: integers as the settings read them, fallbacks, and whole-or-nothing writes.
#include "app/store/profile_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "tests/app/store/temp_folder.h"

namespace suispo {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(ProfileIntegerTest, DecimalWithBlanksAndSign) {
  EXPECT_EQ(ProfileInteger("100"), 100);
  EXPECT_EQ(ProfileInteger("-1280"), -1280);
  EXPECT_EQ(ProfileInteger("+7"), 7);
  EXPECT_EQ(ProfileInteger("  42"), 42);
  EXPECT_EQ(ProfileInteger("0099"), 99);
  EXPECT_EQ(ProfileInteger("2147483647"), INT_MAX);
  EXPECT_EQ(ProfileInteger("-2147483648"), INT_MIN);
}

TEST(ProfileIntegerTest, HexadecimalOnlyInValuesLongerThanTwo) {
  EXPECT_EQ(ProfileInteger("0x1F"), 31);
  EXPECT_EQ(ProfileInteger("0X1f"), 31);
  EXPECT_EQ(ProfileInteger("0x0"), 0);
  EXPECT_EQ(ProfileInteger("-0x10"), -16);
  EXPECT_EQ(ProfileInteger("0xFFFFFFFF"), -1);
  EXPECT_EQ(ProfileInteger("0x"), 0);
  EXPECT_EQ(ProfileInteger("1F"), 0);
}

TEST(ProfileIntegerTest, AnythingElseIsZero) {
  for (const char* value : {"", " ", "-", "+", "abc", "12abc", "1 2", "12 ", "3.5", "0x1G", "-0x",
                            "2147483648", "-2147483649", "0x100000000", "\xef\xbc\x91"}) {
    EXPECT_EQ(ProfileInteger(value), 0) << value;
  }
}

TEST(ProfileFileTest, ReadingFallsBackQuietly) {
  TempFolder folder;
  EXPECT_EQ(ReadProfileString(folder / "none.ini", "S", "k", "dflt"), "dflt");
  std::filesystem::create_directory(folder / "dir.ini");
  EXPECT_EQ(ReadProfileString(folder / "dir.ini", "S", "k", "dflt"), "dflt");
  WriteBytes(folder / "a.ini", "[S]\nk= v \n");
  EXPECT_EQ(ReadProfileString(folder / "a.ini", "s", "K", "dflt"), "v");
  EXPECT_EQ(ReadProfileString(folder / "a.ini", "S", "other", ""), "");
}

TEST(ProfileFileTest, WritingCreatesAMissingFileWithCrLf) {
  TempFolder folder;
  ASSERT_EQ(WriteProfileStrings(folder / "new.ini", {{"Position", "xpos", "5"},
                                                     {"Position", "ypos", "-6"},
                                                     {"FileName", "datafile", "a b.ssp"}}),
            WriteResult::kWritten);
  EXPECT_EQ(ReadBytes(folder / "new.ini"),
            "[Position]\r\nxpos=5\r\nypos=-6\r\n[FileName]\r\ndatafile=a b.ssp\r\n");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"new.ini"});
}

TEST(ProfileFileTest, AFileThatCannotBeReadIsNotWrittenOver) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "dir.ini");
  EXPECT_NE(WriteProfileStrings(folder / "dir.ini", {{"S", "k", "v"}}), WriteResult::kWritten);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.ini"));
  EXPECT_NE(WriteProfileStrings(folder / "gone/x.ini", {{"S", "k", "v"}}), WriteResult::kWritten);
  EXPECT_EQ(folder.Names(), std::set<std::string>{"dir.ini"});
}

}  // namespace
}  // namespace suispo
