// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Share codes in the window: コードをコピー on both screens, a code pasted or typed played from a stage file.
#include <QClipboard>

#include "core/files/share_code.h"
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

class ShareCodeTest : public WindowTest {
 protected:
  const std::string first = EastClearLine("first");
  const std::string second = MarkedCleared(EastClearLine("second"));
  const std::string shared = Stage({"000000", "0C0002", "000000", "000000", "000000", "000000"}, kNoWalls, "03", "shared");
};

TEST_F(ShareCodeTest, CopyPutsTheSelectedOrPlayedStagesCodeOnTheClipboard) {
  UseStageFile({first, second});
  Start();
  Control<QListWidget>("StageList")->setCurrentRow(1);
  Type(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Clipboard(), QString::fromStdString(ShareCode(second)));
  Choose(0);
  ASSERT_TRUE(OnPlayScreen());
  Control<QAction>("copyCodeMenu")->trigger();
  EXPECT_EQ(Clipboard(), QString::fromStdString(ShareCode(first)));
}

TEST_F(ShareCodeTest, CtrlVOnTheStageListAsksThenAddsTheStageToTheChosenFileAndPlaysIt) {
  UseStageFile({first, second});
  Start();
  QGuiApplication::clipboard()->setText(QString::fromStdString(" " + ShareCode(MarkedCleared(shared)) + "\n"));
  dialogs().answers = {true};
  dialogs().chosenItem = 0;
  Control<QListWidget>("StageList")->setFocus();
  Type(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(dialogs().questions.size(), 1u);
  EXPECT_EQ(dialogs().questions[0].text, QStringLiteral("ステージ「shared」を遊びますか？"));
  EXPECT_EQ(dialogs().offeredItems, QStringList({QStringLiteral("test"), QStringLiteral("新しいステージファイル")}));
  EXPECT_EQ(ReadFile("test.ssp"), StageFileText({first, second, shared}));  // uncleared
  EXPECT_TRUE(OnPlayScreen());
  EXPECT_EQ(Play().game().stageIndex, 2);
  EXPECT_TRUE(dialogs().errors.empty());
}

TEST_F(ShareCodeTest, ABadCodeIsRefusedWithItsMessageAndAGoodOneCanGoToANewFile) {
  UseStageFile({first});
  Start();
  dialogs().answers = {true};
  dialogs().typedText = QString::fromStdString(ShareCode(shared)).chopped(1);
  Control<QAction>("playCodeMenu")->trigger();
  ASSERT_EQ(dialogs().errors.size(), 1u);
  EXPECT_TRUE(dialogs().errors[0].text.contains(QStringLiteral("コードの長さが合いません")));
  EXPECT_TRUE(dialogs().questions.empty());
  EXPECT_EQ(ReadFile("test.ssp"), StageFileText({first}));

  dialogs().typedText = QString::fromStdString(ShareCode(shared));
  dialogs().chosenItem = 1;  // a new file
  Control<QAction>("playCodeMenu")->trigger();
  EXPECT_EQ(ReadFile("code 20060121 093015.ssp"), StageFileText({shared}));
  EXPECT_EQ(ReadFile("test.ssp"), StageFileText({first}));
  EXPECT_TRUE(OnPlayScreen());
}

}  // namespace
}  // namespace suispo::test
