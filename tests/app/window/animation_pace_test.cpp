// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The animation speed of the menu, and a press that ends the victory or the fall at once.
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

// One move east lands in the hole.
const std::string kMissLine =
    Stage({"C30000", "000000", "000000", "000000", "000000", "000000"}, kNoWalls, "00", "fall");

class AnimationPaceTest : public WindowTest {
 protected:
  // What a clear of the first stage leaves behind, from a fresh folder each time.
  struct Outcome {
    std::string stages, records, settings;
    int selectedRow = -1;
    int sleptMs = 0;
  };
  Outcome ClearFirstStage(bool press) {
    UseStageFile({EastClearLine("one"), EastClearLine("two")});
    QFile::remove(QString::fromStdString(Path("suispo-records.txt")));
    clock.sleptMs = 0;
    Start();
    Choose(0);
    // The par decides the star the records keep: both clears are made knowing it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Play().par() != PuzzleFacts::kPending; }, 10000));
    if (press) clock.duringNextSleep = [] { QTest::mouseClick(QApplication::activeWindow(), Qt::LeftButton); };
    Click(Control<QPushButton>("EMoveButton"));
    Outcome outcome{ReadFile("test.ssp"), ReadFile("suispo-records.txt"), {}, SelectedRow(), clock.sleptMs};
    EXPECT_TRUE(OnStageSelect());
    form->close();
    outcome.settings = ReadFile("suispo.ini");
    form.reset();
    return outcome;
  }
};

TEST_F(AnimationPaceTest, AClickEndsTheVictoryAndLeavesWhatTheWholeAnimationLeaves) {
  const Outcome whole = ClearFirstStage(false);
  const Outcome skipped = ClearFirstStage(true);
  EXPECT_EQ(whole.sleptMs, 3200);
  EXPECT_LT(skipped.sleptMs, 100);
  EXPECT_EQ(skipped.stages, whole.stages);
  EXPECT_EQ(skipped.records, whole.records);
  EXPECT_EQ(skipped.settings, whole.settings);
  EXPECT_EQ(skipped.selectedRow, whole.selectedRow);
  EXPECT_EQ(whole.selectedRow, 1);
  EXPECT_TRUE(dialogs().errors.empty());
}

TEST_F(AnimationPaceTest, AKeyEndsTheFallAndTheStageStartsAgainAsAfterTheWholeFall) {
  UseStageFile({kMissLine});
  Start();
  Choose(0);
  QString countDuringFall;
  clock.duringNextSleep = [&] {
    countDuringFall = Control<QLabel>("moveText")->text();
    Type(Qt::Key_Space);
  };
  Click(Control<QPushButton>("EMoveButton"));
  const int skippedMs = clock.sleptMs;
  EXPECT_LT(skippedMs, 100);
  EXPECT_TRUE(OnPlayScreen());
  EXPECT_EQ(countDuringFall, QStringLiteral("1"));  // the falling move counts until the restart shows
  EXPECT_EQ(Control<QLabel>("moveText")->text(), QStringLiteral("0"));
  EXPECT_EQ(Play().game().playerX, 0);
  Click(Control<QPushButton>("EMoveButton"));  // the next fall is whole again: the press ended only its own
  EXPECT_EQ(clock.sleptMs, skippedMs + 2270);
}

TEST_F(AnimationPaceTest, TheMenusSpeedHalvesOrDropsTheHoldsAndIsKept) {
  const std::pair<int, int> speeds[] = {{1, 1600}, {2, 0}, {0, 3200}};
  for (const auto& [choice, held] : speeds) {
    UseStageFile({EastClearLine("one")});
    Start();
    Control<QAction>(QStringLiteral("speedMenu%1").arg(static_cast<int>(choice)))->trigger();
    Choose(0);
    clock.sleptMs = 0;
    Click(Control<QPushButton>("EMoveButton"));
    EXPECT_EQ(clock.sleptMs, held) << choice;
    form->close();
    form.reset();
    Start();
    EXPECT_TRUE(Control<QAction>(QStringLiteral("speedMenu%1").arg(static_cast<int>(choice)))->isChecked()) << choice;
    form.reset();
  }
}

}  // namespace
}  // namespace suispo::test
