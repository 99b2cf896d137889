// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Replacing a file whole: the new bytes arrive, or the old file stays exactly as it was.
#include "core/files/file_replacement.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <filesystem>

#include "tests/app/store/temp_folder.h"

namespace suispo {
namespace {

using test::FileSizeLimit;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(FileReplacementTest, ReplacementKeepsModeAndLinks) {
  TempFolder folder;
  WriteBytes(folder / "real.ssp", "old");
  chmod((folder / "real.ssp").c_str(), 0640);
  std::filesystem::create_symlink(folder / "real.ssp", folder / "link.ssp");

  ASSERT_TRUE(ReplaceFileContents(folder / "link.ssp", "new bytes"));
  EXPECT_EQ(ReadBytes(folder / "real.ssp"), "new bytes");
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.ssp"));
  struct stat info {};
  ASSERT_EQ(stat((folder / "real.ssp").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"real.ssp", "link.ssp"}));
}

TEST(FileReplacementTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  TempFolder folder;
  const std::string old(300, 'o');
  WriteBytes(folder / "stages.ssp", old);
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(ReplaceFileContents(folder / "stages.ssp", std::string(200, 'n')));
  }
  EXPECT_EQ(ReadBytes(folder / "stages.ssp"), old);
  EXPECT_EQ(folder.Names(), std::set<std::string>{"stages.ssp"});
}

TEST(FileReplacementTest, AFailedRenameLeavesNoTemporary) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "taken.ssp/inside");
  EXPECT_FALSE(ReplaceFileContents(folder / "taken.ssp", "x"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.ssp/inside"));
  EXPECT_EQ(folder.Names(), std::set<std::string>{"taken.ssp"});
  EXPECT_FALSE(ReplaceFileContents(folder / "missing/x.ssp", "x"));
}

// Made as a killed save leaves it: unlocked, and as old as the given number of seconds.
void LeaveTemporary(const std::string& path, int ageSeconds) {
  WriteBytes(path, "left by a save");
  const timeval past[2] = {{time(nullptr) - ageSeconds, 0}, {time(nullptr) - ageSeconds, 0}};
  utimes(path.c_str(), past);
}

TEST(FileReplacementTest, ASaveRemovesOnlyTheStaleTemporariesOfTheSameFile) {
  TempFolder folder;
  WriteBytes(folder / "stages.ssp", "old");
  for (const char* name : {".stages.ssp.a1B2c3.tmp", ".stages.ssp.zzzzzz.tmp"}) LeaveTemporary(folder / name, 3600);
  // Kept: a fresh one (a save that has just begun), one a running save holds, other files' and
  // names that are no temporary.
  const std::set<std::string> kept{".stages.ssp.fresh1.tmp", ".stages.ssp.held01.tmp", ".other.ssp.a1B2c3.tmp",
                                   ".stages.ssp.toolong1.tmp", "stages.ssp"};
  for (const std::string& name : kept) {
    if (name != "stages.ssp") LeaveTemporary(folder / name, name == ".stages.ssp.fresh1.tmp" ? 0 : 3600);
  }
  const int held = open((folder / ".stages.ssp.held01.tmp").c_str(), O_RDONLY);
  ASSERT_EQ(flock(held, LOCK_EX), 0);

  ASSERT_TRUE(ReplaceFileContents(folder / "stages.ssp", "new"));
  close(held);
  EXPECT_EQ(ReadBytes(folder / "stages.ssp"), "new");
  EXPECT_EQ(folder.Names(), kept);
}

TEST(FileReplacementTest, TemporariesMadeAheadUnderEveryOldNameDoNotBlockTheSave) {
  TempFolder folder;
  WriteBytes(folder / "stages.ssp", "old");
  for (int attempt = 0; attempt < 100; ++attempt) {
    WriteBytes(folder / (".stages.ssp." + std::to_string(getpid()) + "." + std::to_string(attempt) + ".tmp"), "x");
  }
  EXPECT_TRUE(ReplaceFileContents(folder / "stages.ssp", "new"));
  EXPECT_EQ(ReadBytes(folder / "stages.ssp"), "new");
}

TEST(FileReplacementTest, ReplacingAtALinkReplacesTheLinkNotItsTarget) {
  TempFolder folder;
  WriteBytes(folder / "victim", "precious");
  std::filesystem::create_symlink(folder / "victim", folder / "stages.ssp");
  ASSERT_TRUE(ReplaceFileAt(folder / "stages.ssp", "new"));
  EXPECT_EQ(ReadBytes(folder / "victim"), "precious");
  EXPECT_FALSE(std::filesystem::is_symlink(folder / "stages.ssp"));
  EXPECT_EQ(ReadBytes(folder / "stages.ssp"), "new");
}

}  // namespace
}  // namespace suispo
