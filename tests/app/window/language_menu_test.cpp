// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// 表示 > 言語 (Language): the language chosen for the next start.
#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

TEST_F(WindowTest, AChosenLanguageIsKeptForTheNextStartWithANoteInBothLanguages) {
  Start();
  Control<QAction>("languageMenu1")->trigger();
  ASSERT_EQ(dialogs().messages.size(), 1u);
  EXPECT_TRUE(dialogs().messages[0].text.contains(QStringLiteral("次に起動したときから英語")));
  EXPECT_TRUE(dialogs().messages[0].text.contains(QStringLiteral("in English from the next start")));
  Control<QAction>("languageMenu1")->trigger();  // chosen already: nothing more to say
  EXPECT_EQ(dialogs().messages.size(), 1u);
  form->close();
  form.reset();
  EXPECT_NE(ReadFile("suispo.ini").find("[View]\r\nlanguage=en\r\n"), std::string::npos);
  Start();
  auto* menu = Control<QMenu>("languageMenu");
  menu->popup(QPoint());  // the menu opens with the setting marked
  EXPECT_TRUE(Control<QAction>("languageMenu1")->isChecked());
  EXPECT_FALSE(Control<QAction>("languageMenu0")->isChecked());
  menu->close();
}

}  // namespace
}  // namespace suispo::test
