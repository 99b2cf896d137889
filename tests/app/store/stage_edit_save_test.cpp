// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's saves: its line replaced in the stage's own file, appended to another, a new file;
// a link planted in a file's place is never written through.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/store/stage_append.h"
#include "core/text/game_error.h"
#include "tests/app/store/store_fixture.h"
#include "tests/support/stage_file_text.h"

namespace suispo::test {
namespace {

// A store that has read mine.ssp, holding the stages a (cleared) and b, from the program folder.
class EditSaveTest : public StoreTest {
 protected:
  void SetUp() override {
    WriteBytes(program / "mine.ssp", StageFileText({Line('1', "a"), Line('0', "b")}));
    WriteSettings("[FileName]\r\ndatafile=mine.ssp\r\n");
    store.FormCreate();
  }
  // An edited stage as the editor saves it: not cleared.
  const StageLine edited = Stage({"C00000", "000000", "000000", "000000", "000000", "000002"}, kNoWalls, "00", "e");
  StageStore store = MakeStore();
};

TEST_F(EditSaveTest, ASaveReplacesTheStagesLineInTheFileAsItIsNow) {
  // Another game added a stage before it since the file was read.
  WriteBytes(program / "mine.ssp", StageFileText({Line('0', "new"), Line('1', "a"), Line('0', "b")}));
  EXPECT_EQ(store.ReplaceStage(0, edited), 1);
  const std::vector<StageLine> saved{Line('0', "new"), edited, Line('0', "b")};
  EXPECT_EQ(ReadBytes(program / "mine.ssp"), StageFileText(saved));
  EXPECT_EQ(store.dataList, saved);
}

TEST_F(EditSaveTest, ALinkPlantedInTheFilesPlaceIsNeverWrittenThrough) {
  WriteBytes(program / "victim", StageFileText({Line('1', "a")}));
  std::filesystem::remove(program / "mine.ssp");
  std::filesystem::create_symlink(program / "victim", program / "mine.ssp");
  EXPECT_THROW(store.ReplaceStage(0, edited), GameError);
  EXPECT_THROW(AppendStage(program / "mine.ssp", edited), GameError);
  EXPECT_EQ(ReadBytes(program / "victim"), StageFileText({Line('1', "a")}));
}

TEST_F(EditSaveTest, AnAppendAddsTheStageAfterTheFilesLines) {
  WriteBytes(program / "other.ssp", StageFileText({Line('0', "x")}));
  AppendStage(program / "other.ssp", edited);
  EXPECT_EQ(ReadBytes(program / "other.ssp"), StageFileText({Line('0', "x"), edited}));
}

TEST_F(EditSaveTest, ANewFileHoldsTheStageAloneAndReplacesNothing) {
  const std::string path = NewStageFile(program.path(), "edit ", kMorning, edited);
  EXPECT_EQ(path, program / "edit 20060121 093015.ssp");
  EXPECT_EQ(ReadBytes(path), StageFileText({edited}));
  EXPECT_EQ(NewStageFile(program.path(), "edit ", kMorning, Line('0')), program / "edit 20060121 093015 2.ssp");
  EXPECT_EQ(ReadBytes(path), StageFileText({edited}));
}

}  // namespace
}  // namespace suispo::test
