// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A clear that cannot be saved now waits for the next save: an editor still writing, a lock held,
// a file a save would grow past what the game reads back; and an editor's save is never cut short.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "core/files/regular_file.h"
#include "core/rules/same_stage.h"
#include "tests/app/store/store_fixture.h"
#include "tests/support/stage_file_text.h"
#include "tests/support/worded_error.h"

namespace suispo {
namespace {

using test::Line;
using test::ReadBytes;
using test::StageFileText;
using test::StoreTest;
using test::WriteBytes;

class ClearPendingTest : public StoreTest {
 protected:
  // A store that has read mine.ssp holding lines.
  StageStore StoreOn(const std::vector<StageLine>& lines) {
    WriteBytes(program / "mine.ssp", StageFileText(lines));
    WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
    StageStore store = MakeStore();
    store.FormCreate();
    return store;
  }
  // The message of a clear's save, or "" when it saved.
  static std::string ClearMessage(StageStore& store, int stage) {
    try {
      store.MarkStageCleared(stage);
    } catch (const GameError& error) {
      return test::Worded(error);
    }
    return "";
  }
};

std::vector<StageLine> Numbered(const std::string& name, int count) {
  std::vector<StageLine> lines;
  for (int i = 0; i < count; ++i) lines.push_back(Line('0', name + std::to_string(i)));
  return lines;
}

// As an editor that keeps the file saves: cut to nothing, then written again in 16 KB pieces.
void SaveInPlace(const std::string& path, const std::string& text) {
  const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
  for (std::size_t at = 0; at < text.size(); at += 16384) {
    ASSERT_GT(write(fd, text.data() + at, std::min<std::size_t>(16384, text.size() - at)), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  close(fd);
}

// SUISPO_RACE_TRIALS sets the trials (scripts/editor_race.sh runs 200).
TEST_F(ClearPendingTest, AnEditorSavingInPlaceLosesNoLineToClears) {
  const char* asked = std::getenv("SUISPO_RACE_TRIALS");
  const int trials = asked != nullptr ? std::atoi(asked) : 3;
  std::mt19937 dice(7);
  const std::vector<StageLine> before = Numbered("stage ", 3000);
  std::vector<StageLine> edited = before;
  for (const StageLine& added : Numbered("added ", 3000)) edited.push_back(added);
  for (int trial = 0; trial < trials; ++trial) {
    StageStore store = StoreOn(before);
    const int start = static_cast<int>(dice() % 30);
    std::thread editor([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(start));
      SaveInPlace(program / "mine.ssp", StageFileText(edited));
    });
    for (int stage = 0; stage < 4; ++stage) {
      ClearMessage(store, stage);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    editor.join();
    const std::vector<StageLine> after = ParseStageText(ReadBytes(program / "mine.ssp"), "mine.ssp");
    ASSERT_EQ(after.size(), edited.size()) << "trial " << trial;
    for (std::size_t i = 0; i < after.size(); ++i) ASSERT_TRUE(SameStageLine(after[i], edited[i])) << "line " << i;
  }
}

TEST_F(ClearPendingTest, AClearWhileAnotherProgramHoldsTheLockIsSavedLaterNotLost) {
  StageStore store = StoreOn({Line('0', "a"), Line('0', "b"), Line('0', "c")});
  // flock locks are held per open file: this descriptor's lock stands for another program's.
  const int holder = open((program / "mine.ssp").c_str(), O_RDONLY);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);
  EXPECT_EQ(ClearMessage(store, 1), "ファイル mine.ssp は他のプログラムが使用中のため、まだ保存していません。次の機会に保存します");
  EXPECT_TRUE(IsCleared(store.dataList[1]));  // the list shows it meanwhile
  EXPECT_EQ(ClearMessage(store, 2), "ファイル mine.ssp は他のプログラムが使用中のため、まだ保存していません。次の機会に保存します");
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), StageFileText({Line('0', "a"), Line('0', "b"), Line('0', "c")}));
  close(holder);
  // The next clear takes the waiting one along; one still waiting at quit is saved then.
  EXPECT_EQ(ClearMessage(store, 0), "");
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), StageFileText({Line('1', "a"), Line('1', "b"), Line('1', "c")}));
  const int again = open((program / "mine.ssp").c_str(), O_RDONLY);
  ASSERT_EQ(flock(again, LOCK_EX), 0);
  StageStore other = StoreOn({Line('0', "a"), Line('0', "b")});
  ClearMessage(other, 1);
  close(again);
  other.FormClose({0, 0});
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), StageFileText({Line('0', "a"), Line('1', "b")}));
}

TEST_F(ClearPendingTest, AClearThatWouldGrowTheFilePastWhatTheGameReadsIsKeptNotWritten) {
  // 10,000 lines ending in LF, within the limit; their CR LF would pass it.
  const StageLine line = Line('0', std::string(1676 - 75, 'n'));
  std::string lf;
  for (int i = 0; i < 10000; ++i) lf += line + "\n";
  ASSERT_LE(lf.size(), kMaxFileBytes);
  WriteBytes(program / "mine.ssp", lf);
  WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  EXPECT_EQ(ClearMessage(store, 0), "ファイル mine.ssp は保存すると大きくなりすぎるため、保存しませんでした");
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), lf);
  EXPECT_TRUE(IsCleared(store.dataList[0]));
}

}  // namespace
}  // namespace suispo
