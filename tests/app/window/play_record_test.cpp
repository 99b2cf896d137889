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

class PlayRecordTest : public WindowTest {
 protected:
  std::vector<QPushButton*> GameButtons() const {
    return {form->NWallButton, form->EWallButton, form->SWallButton, form->WWallButton,
            form->NMoveButton, form->EMoveButton, form->SMoveButton, form->WMoveButton};
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->rating() != MainForm::kParPending; }, 10000));
  }
};

TEST_F(PlayRecordTest, CounterParAndRecordOfAClearAtParEarnTheStar) {
  Start();
  Choose(0);
  EXPECT_EQ(form->moveText->text(), QStringLiteral("0"));
  EXPECT_EQ(form->bestText->text(), QStringLiteral("—"));
  WaitForPar();
  EXPECT_EQ(form->parText->text(), QStringLiteral("7"));
  // +E N E S W N W: stage 1 in seven operations.
  Click(form->EWallButton);
  Click(form->NMoveButton);
  EXPECT_EQ(form->moveText->text(), QStringLiteral("2"));
  Click(form->undoButton);
  EXPECT_EQ(form->moveText->text(), QStringLiteral("1"));
  for (QPushButton* move : {form->NMoveButton, form->EMoveButton, form->SMoveButton, form->WMoveButton,
                            form->NMoveButton, form->WMoveButton}) {
    Click(move);
  }
  ASSERT_TRUE(OnStageSelect());
  EXPECT_TRUE(form->StageList->item(0)->text().startsWith(QStringLiteral("★ ")));
  EXPECT_NE(ReadFile("suispo-records.txt").find("7 1 "), std::string::npos);  // saved at the clear
  Choose(0);
  EXPECT_EQ(form->bestText->text(), QStringLiteral("7"));
}

TEST_F(PlayRecordTest, TheHintsMarkStaysThroughARestartGoesWithANewChoiceAndTheClearSaysWhy) {
  Start();
  Choose(0);
  WaitForPar();
  EXPECT_FALSE(form->hintMark->isVisible());
  form->hintMenu->trigger();
  ASSERT_NE(LitButton(), nullptr);  // the play is marked once the hint shows
  EXPECT_TRUE(form->hintMark->isVisible());
  EXPECT_FALSE(form->hintMark->toolTip().isEmpty());
  dialogs().answers = {true};
  Click(form->resetButton);
  EXPECT_TRUE(form->hintMark->isVisible());
  EXPECT_EQ(form->RecordClear(0, 7, true), "7手でクリア ヒントを使ったので★はつきません 新記録！");
  EXPECT_EQ(form->bestText->text(), QStringLiteral("7"));  // the new best, while the plate says so
  dialogs().answers = {true};
  Click(form->giveupButton);
  EXPECT_FALSE(form->hintMark->isVisible());
  Choose(0);
  EXPECT_FALSE(form->hintMark->isVisible());
}

TEST_F(PlayRecordTest, FollowingTheHintClearsStageFiveAndNeverEarnsTheStar) {
  Start();
  Choose(4);
  WaitForPar();
  const int par = form->par();
  ASSERT_GT(par, 0);
  int presses = 0;
  while (OnPlayScreen() && presses < par) {
    form->hintMenu->trigger();
    QPushButton* lit = LitButton();
    ASSERT_NE(lit, nullptr) << "after " << presses << " operations";
    Click(lit);
    ++presses;
  }
  EXPECT_EQ(presses, par);
  EXPECT_TRUE(OnStageSelect());
  EXPECT_TRUE(dialogs().messages.empty());
  EXPECT_TRUE(form->StageList->item(4)->text().startsWith(QStringLiteral("☆ ")));
  EXPECT_EQ(form->store().records.Find(PuzzleKey(form->store().dataList[4]))->best, par);
}

TEST_F(PlayRecordTest, AnOperationDuringTheHintsSearchDropsTheHintWhichThenCostsNoStar) {
  UseStageFile({EastClearLine("a"), EastClearLine("b")});
  Start();
  Choose(0);
  WaitForPar();
  form->hintMenu->trigger();
  EXPECT_TRUE(form->HintPending());
  Click(form->WMoveButton);  // answered at once, whatever the search is doing
  EXPECT_EQ(form->moveText->text(), QStringLiteral("1"));
  EXPECT_FALSE(form->HintPending());
  EXPECT_EQ(LitButton(500), nullptr);
  Click(form->undoButton);
  Click(form->EMoveButton);  // at par: the hint was never shown
  EXPECT_TRUE(form->StageList->item(0)->text().startsWith(QStringLiteral("★ ")));
}

TEST_F(PlayRecordTest, AHintWhereNoClearIsLeftSaysSo) {
  StageLine line = BuiltinStages()[0];
  line.replace(72, 2, "00");  // stage one needs its one wall
  UseStageFile({line});
  Start();
  Choose(0);
  WaitForPar();
  EXPECT_EQ(form->parText->text(), QStringLiteral("—"));
  form->hintMenu->trigger();
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
  EXPECT_EQ(form->ratingText->text(), QStringLiteral("●"));
  QStringList names;
  for (QWidget* control : form->PlayControls()) {
    if (control->isVisible()) names << QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
  }
  EXPECT_EQ(names, QStringList({"のこりの壁 1", "上に壁を置く", "左に壁を置く", "下に壁を置く", "右に壁を置く",
                                "上へ移動", "左へ移動", "下へ移動", "右へ移動", "１手戻す", "やり直し", "タイトル",
                                "手数 0", "最短 7", "記録 —", "むずかしさ 1"}));
}

}  // namespace
}  // namespace suispo::test
