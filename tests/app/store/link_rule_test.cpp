// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The one rule of every write: no link of a neighbour on the way is followed, whichever file is saved.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/store/play_records.h"
#include "core/files/file_replacement.h"
#include "core/rules/builtin_stages.h"
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
using test::TempFolder;
using test::WriteBytes;

constexpr uid_t kNeighbour = 4321;

// A link at `at` to `to` that belongs to a neighbour (another user): only root can give it away.
bool PlantNeighboursLink(const std::string& to, const std::string& at) {
  std::filesystem::create_symlink(to, at);
  return lchown(at.c_str(), kNeighbour, kNeighbour) == 0;
}
#define PLANT_OR_SKIP(to, at) \
  if (!PlantNeighboursLink(to, at)) GTEST_SKIP() << "a second user's link needs root"

class LinkRuleTest : public StoreTest {
 protected:
  // The player's own file that no save may touch, and its bytes.
  const std::string precious = StageFileText({Line('0', "a"), Line('0', "b")});
  std::string Victim() {
    WriteBytes(program / "victim", precious);
    return program / "victim";
  }
  // Expects the refusal with the path's words and the victim untouched.
  void ExpectRefusedFor(const std::function<void()>& save, const std::string& shown) {
    try {
      save();
      ADD_FAILURE() << "the write was not refused";
    } catch (const GameError& error) {
      EXPECT_EQ(test::Worded(error), shown + " への道筋にあなたのものでないリンクがあるため、書き込みませんでした");
    }
    EXPECT_EQ(ReadBytes(program / "victim"), precious);
  }
};

TEST_F(LinkRuleTest, AStageFilesTargetSwappedForASecondLinkIsNotWrittenThrough) {
  std::filesystem::create_directory(program / "shared");
  WriteBytes(program / "shared/real.ssp", precious);
  std::filesystem::create_symlink(program / "shared/real.ssp", program / "mine.ssp");  // the player's own
  WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
  StageStore store = MakeStore();
  store.FormCreate();
  std::filesystem::remove(program / "shared/real.ssp");
  std::filesystem::create_symlink(Victim(), program / "shared/real.ssp");  // the target is now a link
  ExpectRefusedFor([&] { store.MarkStageCleared(0); }, "mine.ssp");
}

TEST_F(LinkRuleTest, AStageFilesFolderSwappedForANeighboursLinkIsNotWrittenThrough) {
  std::filesystem::create_directories(program / "shared/own");
  WriteBytes(program / "shared/own/mine.ssp", precious);
  StageStore store = MakeStore();
  store.FormCreate();
  store.LoadFile(program / "shared/own/mine.ssp");
  std::filesystem::rename(program / "shared/own", program / "shared/moved");
  std::filesystem::create_directory(program / "elsewhere");
  WriteBytes(program / "elsewhere/mine.ssp", precious);
  Victim();
  PLANT_OR_SKIP(program / "elsewhere", program / "shared/own");
  ExpectRefusedFor([&] { store.MarkStageCleared(0); }, "mine.ssp");
  EXPECT_EQ(ReadBytes(program / "elsewhere/mine.ssp"), precious);
}

TEST_F(LinkRuleTest, ANeighboursLinkAtTheRecordsPathBeforeTheStartIsNotWrittenThrough) {
  PLANT_OR_SKIP(Victim(), program / "suispo-records.txt");
  PlayRecords records(program / "suispo-records.txt");
  records.Read();
  records.Note(PuzzleKey(BuiltinStages()[0]), 9, 7, false);
  ExpectRefusedFor([&] { records.Save(); }, program / "suispo-records.txt");
  records.Save();  // told once; the game goes on
}

TEST_F(LinkRuleTest, ANeighboursLinkAtTheSettingsPathIsNotWrittenThrough) {
  PLANT_OR_SKIP(Victim(), program / "suispo.ini");
  StageStore store = MakeStore();
  store.FormCreate();
  ExpectRefusedFor([&] { store.FormClose({1, 2}); }, program / "suispo.ini");
}

TEST_F(LinkRuleTest, NewFilesAreNotMadeThroughANeighboursFolderLinkButThroughThePlayersOwn) {
  std::filesystem::create_directory(program / "real");
  std::filesystem::create_symlink(program / "real", program / "own");
  EXPECT_EQ(WriteFileAt(program / "own/new.ssp", precious, {.create = true}), WriteResult::kWritten);
  EXPECT_EQ(ReadBytes(program / "real/new.ssp"), precious);
  PLANT_OR_SKIP(program / "real", program / "theirs");
  EXPECT_EQ(WriteFileAt(program / "theirs/other.ssp", precious, {.create = true}), WriteResult::kForeignLink);
  EXPECT_EQ(WriteFileAt(program / "theirs/new.ssp", "x", {.followOwnLink = true}), WriteResult::kForeignLink);
  EXPECT_FALSE(std::filesystem::exists(program / "real/other.ssp"));
  EXPECT_EQ(ReadBytes(program / "real/new.ssp"), precious);
}

}  // namespace
}  // namespace suispo
