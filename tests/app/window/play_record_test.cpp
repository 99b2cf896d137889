// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The play record on the window: the figures, the par and rating from the background, the star, the hint, and
// the names a screen reader reads.
#include <QAccessible>

#include "core/rules/builtin_stages.h"
#include "core/rules/same_stage.h"

#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

TEST(ParShown, ASearchStoppedAtItsLimitSaysSoRatherThanNoClear) {
  SolveResult answer;
  answer.outcome = SolveOutcome::kStopped;
  EXPECT_EQ(ParShown(ParOf(answer)), QStringLiteral("大きすぎて調べきれません"));
  answer.outcome = SolveOutcome::kNoSolution;
  EXPECT_EQ(ParShown(ParOf(answer)), QStringLiteral("—"));
}

class PlayRecordTest : public WindowTest {
 protected:
  std::vector<QPushButton*> GameButtons() const {
    return {Control<QPushButton>("NWallButton"), Control<QPushButton>("EWallButton"),
            Control<QPushButton>("SWallButton"), Control<QPushButton>("WWallButton"),
            Control<QPushButton>("NMoveButton"), Control<QPushButton>("EMoveButton"),
            Control<QPushButton>("SMoveButton"), Control<QPushButton>("WMoveButton")};
  }
  // The button the hint lit, once the search has answered; none when it did not.
  QPushButton* LitButton(int waitMs = 30000) {
    QPushButton* lit = nullptr;
    (void)QTest::qWaitFor([&] {
      for (QPushButton* button : GameButtons()) {
        if (!button->styleSheet().isEmpty()) lit = button;
      }
      return lit != nullptr || !dialogs().messages.empty();
    }, waitMs);
    return lit;
  }
  void WaitForRating() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return Play().rating() != PuzzleFacts::kPending; }, 10000));
  }
};

TEST_F(PlayRecordTest, CounterParAndRecordOfAClearAtParEarnTheStar) {
  Start();
  Choose(0);
  EXPECT_EQ(Control<QLabel>("moveText")->text(), QStringLiteral("0"));
  EXPECT_EQ(Control<QLabel>("bestText")->text(), QStringLiteral("—"));
  WaitForPar();
  EXPECT_EQ(Control<QLabel>("parText")->text(), QStringLiteral("7"));
  // +E N E S W N W: stage 1 in seven operations.
  Click(Control<QPushButton>("EWallButton"));
  Click(Control<QPushButton>("NMoveButton"));
  EXPECT_EQ(Control<QLabel>("moveText")->text(), QStringLiteral("2"));
  Click(Control<QPushButton>("undoButton"));
  EXPECT_EQ(Control<QLabel>("moveText")->text(), QStringLiteral("1"));
  for (QPushButton* move : {Control<QPushButton>("NMoveButton"), Control<QPushButton>("EMoveButton"),
                            Control<QPushButton>("SMoveButton"), Control<QPushButton>("WMoveButton"),
                            Control<QPushButton>("NMoveButton"), Control<QPushButton>("WMoveButton")}) {
    Click(move);
  }
  ASSERT_TRUE(OnStageSelect());
  EXPECT_TRUE(Control<QListWidget>("StageList")->item(0)->text().startsWith(QStringLiteral("★ ")));
  EXPECT_NE(ReadFile("suispo-records.txt").find("7 1 "), std::string::npos);  // saved at the clear
  Choose(0);
  EXPECT_EQ(Control<QLabel>("bestText")->text(), QStringLiteral("7"));
}

TEST_F(PlayRecordTest, TheHintsMarkStaysThroughARestartGoesWithANewChoiceAndTheClearSaysWhy) {
  Start();
  Choose(0);
  WaitForPar();
  EXPECT_FALSE(Control<QLabel>("hintMark")->isVisible());
  Control<QAction>("hintMenu")->trigger();
  ASSERT_NE(LitButton(), nullptr);  // the play is marked once the hint shows
  EXPECT_TRUE(Control<QLabel>("hintMark")->isVisible());
  EXPECT_FALSE(Control<QLabel>("hintMark")->toolTip().isEmpty());
  dialogs().answers = {true};
  Click(Control<QPushButton>("resetButton"));
  EXPECT_TRUE(Control<QLabel>("hintMark")->isVisible());
  EXPECT_EQ(Play().RecordClear(0, 7, true), "7手でクリア ヒントを使ったので★はつきません 新記録！");
  EXPECT_EQ(Control<QLabel>("bestText")->text(), QStringLiteral("7"));  // the new best, while the plate says so
  dialogs().answers = {true};
  Click(Control<QPushButton>("giveupButton"));
  EXPECT_FALSE(Control<QLabel>("hintMark")->isVisible());
  Choose(0);
  EXPECT_FALSE(Control<QLabel>("hintMark")->isVisible());
}

TEST_F(PlayRecordTest, FollowingTheHintClearsStageFiveAndNeverEarnsTheStar) {
  Start();
  Choose(4);
  WaitForPar();
  const int par = Play().par();
  ASSERT_GT(par, 0);
  int presses = 0;
  while (OnPlayScreen() && presses < par) {
    Control<QAction>("hintMenu")->trigger();
    QPushButton* lit = LitButton();
    ASSERT_NE(lit, nullptr) << "after " << presses << " operations";
    Click(lit);
    ++presses;
  }
  EXPECT_EQ(presses, par);
  EXPECT_TRUE(OnStageSelect());
  EXPECT_TRUE(dialogs().messages.empty());
  EXPECT_TRUE(Control<QListWidget>("StageList")->item(4)->text().startsWith(QStringLiteral("☆ ")));
  EXPECT_EQ(form->store().records.Find(PuzzleKey(form->store().dataList[4]))->best, par);
}

TEST_F(PlayRecordTest, AnOperationDuringTheHintsSearchDropsTheHintWhichThenCostsNoStar) {
  UseStageFile({EastClearLine("a"), EastClearLine("b")});
  Start();
  Choose(0);
  WaitForPar();
  Control<QAction>("hintMenu")->trigger();
  EXPECT_TRUE(Play().HintPending());
  Click(Control<QPushButton>("WMoveButton"));  // answered at once, whatever the search is doing
  EXPECT_EQ(Control<QLabel>("moveText")->text(), QStringLiteral("1"));
  EXPECT_FALSE(Play().HintPending());
  EXPECT_EQ(LitButton(500), nullptr);
  Click(Control<QPushButton>("undoButton"));
  Click(Control<QPushButton>("EMoveButton"));  // at par: the hint was never shown
  EXPECT_TRUE(Control<QListWidget>("StageList")->item(0)->text().startsWith(QStringLiteral("★ ")));
}

TEST_F(PlayRecordTest, AHintWhereNoClearIsLeftSaysSo) {
  StageLine line = BuiltinStages()[0];
  line.replace(72, 2, "00");  // stage one needs its one wall
  UseStageFile({line});
  Start();
  Choose(0);
  WaitForPar();
  EXPECT_EQ(Control<QLabel>("parText")->text(), QStringLiteral("—"));
  Control<QAction>("hintMenu")->trigger();
  EXPECT_EQ(LitButton(), nullptr);
  ASSERT_EQ(dialogs().messages.size(), 1u);
  EXPECT_EQ(dialogs().messages[0].text,
            QStringLiteral("この局面からはクリアできません。１手戻すか、やり直してください。"));
}

TEST_F(PlayRecordTest, EveryPlayControlHasAJapaneseNameAndTheCountersReadTheirNumbers) {
  Start();
  Choose(0);
  WaitForPar();
  // Stage 1's search finds the clear at its 27th position: the easiest rating, one round mark.
  WaitForRating();
  EXPECT_EQ(Control<QLabel>("ratingText")->text(), QStringLiteral("●"));
  QStringList names;
  for (QWidget* control : PlayControls()) {
    if (control->isVisible()) names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
  }
  EXPECT_EQ(names, QStringList({"のこりの壁 1", "上に壁を置く", "左に壁を置く", "下に壁を置く", "右に壁を置く",
                                "上へ移動", "左へ移動", "下へ移動", "右へ移動", "１手戻す", "やり直し", "タイトル",
                                "手数 0", "最短 7", "記録 —", "むずかしさ 1"}));
}

}  // namespace
}  // namespace suispo::test
