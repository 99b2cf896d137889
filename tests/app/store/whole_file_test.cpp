// Replacing a file whole: the new bytes arrive, or the old file stays exactly as it was.
#include "app/store/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/app/store/temp_folder.h"

namespace suispo {
namespace {

using test::FileSizeLimit;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(WholeFileTest, ReplacementKeepsModeAndLinks) {
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

TEST(WholeFileTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
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

TEST(WholeFileTest, AFailedRenameLeavesNoTemporary) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "taken.ssp/inside");
  EXPECT_FALSE(ReplaceFileContents(folder / "taken.ssp", "x"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.ssp/inside"));
  EXPECT_EQ(folder.Names(), std::set<std::string>{"taken.ssp"});
  EXPECT_FALSE(ReplaceFileContents(folder / "missing/x.ssp", "x"));
}

TEST(WholeFileTest, ASaveRemovesTheTemporariesThatAnInterruptedSaveOfTheSameFileLeft) {
  TempFolder folder;
  WriteBytes(folder / "stages.ssp", "old");
  const std::string running = std::to_string(getppid());  // a process that is still there
  const std::set<std::string> others{".stages.ssp." + running + ".0.tmp", ".other.ssp.999999999.0.tmp",
                                     "stages.ssp.999999999.0.tmp", ".stages.ssp.x.0.tmp", "stages.ssp"};
  for (const std::string& name : others) WriteBytes(folder / name, "keep");
  for (const char* gone : {".stages.ssp.999999999.0.tmp", ".stages.ssp.999999999.17.tmp"}) {
    WriteBytes(folder / gone, "left by a killed save");
  }
  ASSERT_TRUE(ReplaceFileContents(folder / "stages.ssp", "new"));
  EXPECT_EQ(ReadBytes(folder / "stages.ssp"), "new");
  EXPECT_EQ(folder.Names(), others);
}

}  // namespace
}  // namespace suispo
