// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// File names as the system gives them: a name that is no UTF-8 opens, and every name reads as it
// is written.
#include <cstdio>
#include <fstream>

#include <QRegularExpression>

#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

// What the player reads of a menu item's or a button's caption: "&&" is one "&", a lone "&" marks
// a shortcut and is not shown.
QString Read(QString caption) {
  return caption.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// The chooser's item whose caption, as read, begins with name.
QAction* ChooserItem(const MainForm& form, const QString& name) {
  for (QAction* item : ControlOf<QPushButton>(form, "fileChooser")->menu()->actions()) {
    if (Read(item->text()).startsWith(name)) return item;
  }
  ADD_FAILURE() << "no item " << name.toStdString() << " in ステージ集";
  return nullptr;
}

// A file written under name's very bytes (QFile would take them as UTF-8).
void WriteBytesNamed(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST_F(WindowTest, AStageFileNamedInShiftJisOpensFromTheCommandLineAndFromTheChooser) {
  const std::string name = "sjis\x83\x58\x83\x65\x81\x5B\x83\x57.ssp";  // sjisステージ in Shift-JIS
  WriteBytesNamed(Path(name), StageFileText({EastClearLine("first"), EastClearLine("second")}));
  Start();
  form->OpenStageFile(Path(name));  // as the command line gives it
  ASSERT_EQ(Control<QListWidget>("StageList")->count(), 2);
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(), QStringLiteral("\u3000 first"));

  ChooserItem(*form, QStringLiteral("はじめ"))->trigger();
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 5);
  QAction* sjis = ChooserItem(*form, QStringLiteral("sjis\uFFFD"));  // the bytes that are no UTF-8 shown as such
  ASSERT_NE(sjis, nullptr);
  sjis->trigger();
  EXPECT_EQ(Control<QListWidget>("StageList")->count(), 2);
  EXPECT_TRUE(form->store().CurrentPath().ends_with(name));
  EXPECT_TRUE(dialogs().errors.empty());
  std::remove(Path(name).c_str());  // QTemporaryDir cannot remove a name that is no UTF-8
}

TEST_F(WindowTest, NamesReadAsTheyAreWrittenWithoutShortcutsOrTurningAround) {
  WriteFile("a&b&&c.ssp", StageFileText({EastClearLine("tab\there")}));
  WriteFile("turn\u202Eabc.ssp", StageFileText({EastClearLine("x")}));
  Start();
  ASSERT_NE(ChooserItem(*form, QStringLiteral("turn\uFFFDabc")), nullptr);
  ChooserItem(*form, QStringLiteral("a&b&&c"))->trigger();
  EXPECT_EQ(Read(Control<QPushButton>("fileChooser")->text()), QStringLiteral("a&b&&c ★0 ☆0/1 ▾"));
  EXPECT_EQ(Control<QListWidget>("StageList")->item(0)->text(), QStringLiteral("\u3000 tab\uFFFDhere"));
}

}  // namespace
}  // namespace suispo::test
