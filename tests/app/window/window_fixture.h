// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A MainForm in a temporary program folder (also the current directory), with test dialogs and clock.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QDir>
#include <QThreadPool>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/window/error_report.h"
#include "app/window/main_form.h"
#include "app/window/play_screen.h"
#include "app/window/play_surface.h"
#include "app/window/stage_select_screen.h"
#include "tests/app/window/fake_dialogs.h"
#include "tests/app/window/fake_frame_clock.h"
#include "tests/support/stage_builder.h"
#include "tests/support/stage_file_text.h"

namespace suispo::test {

// 9:30:15 on 21 January 2006 names a new stage file "20060121 093015.ssp".
inline const char* const kGeneratedName = "20060121 093015.ssp";

// A stage whose door lies east of the start with no key: one move east clears it.
inline std::string EastClearLine(const std::string& name) {
  return Stage({"C00002", "000000", "000000", "000000", "000000", "000000"}, kNoWalls, "00", name);
}

// The control of that name (its objectName: the name the game calls it by) under root.
template <typename Widget>
Widget* ControlOf(const QObject& root, const QString& name) {
  Widget* control = root.findChild<Widget*>(name);
  EXPECT_NE(control, nullptr) << "no control " << name.toStdString();
  return control;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    oldCurrent = QDir::currentPath();
    QDir::setCurrent(folder.path());
    dialogs().Reset();
  }
  void TearDown() override {
    form.reset();
    // Searches the window left running (cancelled, they stop at their next check) end with their
    // test: the next test's hint or par never waits behind them.
    QThreadPool::globalInstance()->waitForDone();
    QDir::setCurrent(oldCurrent);
  }

  FakeDialogs& dialogs() { return TestDialogs(); }
  std::string Path(const std::string& name) const { return folder.path().toStdString() + "/" + name; }

  void WriteFile(const std::string& name, const std::string& bytes) {
    QFile file(QString::fromStdString(Path(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string ReadFile(const std::string& name) const {
    QFile file(QString::fromStdString(Path(name)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }
  // Settings naming a stage file that holds these lines.
  void UseStageFile(const std::vector<std::string>& lines) {
    WriteFile("test.ssp", test::StageFileText(lines));
    WriteFile("suispo.ini", "[FileName]\r\ndatafile=test.ssp\r\n");
  }

  // Builds the window and runs its create handler under the error report, as the program does.
  void Start() {
    MainFormParts parts;
    parts.places = PortablePlaces(folder.path().toStdString() + "/");
    parts.helpPage = folder.path() + "/help/help.htm";
    parts.chapterFolder = Path("shipped/");
    parts.readShelf = readShelf;
    parts.now = [] { return LocalTime{2006, 1, 21, 9, 30, 15}; };
    parts.dialogs = &dialogs();
    parts.frameClock = &clock;
    parts.openUrl = [this](const QUrl& url, const std::function<void()>& whenFailed) {
      openedUrls.push_back(url);
      if (openFails && whenFailed) whenFailed();
    };
    form = std::make_unique<MainForm>(parts);
    RunReportingErrors(dialogs(), [this] { form->FormCreate(); });
    form->show();
    QApplication::setActiveWindow(form.get());
  }

  template <typename Widget>
  Widget* Control(const QString& name) const {
    return ControlOf<Widget>(*form, name);
  }
  PlayScreen& Play() const { return *ControlOf<PlayScreen>(*form, "PlayScreen"); }
  StageSelectScreen& Select() const { return *ControlOf<StageSelectScreen>(*form, "StageSelectScreen"); }
  // The play controls in the order they are shown and hidden.
  std::vector<QWidget*> PlayControls() const {
    std::vector<QWidget*> controls;
    for (const char* name : {"mpText", "NWallButton", "WWallButton", "SWallButton", "EWallButton", "NMoveButton",
                             "WMoveButton", "SMoveButton", "EMoveButton", "undoButton", "resetButton", "giveupButton",
                             "moveText", "parText", "bestText", "ratingText"}) {
      controls.push_back(Control<QWidget>(name));
    }
    return controls;
  }

  static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // A key as the player types it: to the focus widget of the active window.
  static void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
  }
  void Choose(int row) {
    Control<QListWidget>("StageList")->setCurrentRow(row);
    Click(Control<QPushButton>("ChoiseButtom"));
  }
  void WaitForPar() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return Play().par() != PuzzleFacts::kPending; }, 10000));
  }
  bool OnPlayScreen() const {
    return Control<PlaySurface>("MainImage")->isVisible() && Control<QPushButton>("NMoveButton")->isVisible() &&
           !Control<QGroupBox>("selectGroup")->isVisible();
  }
  bool OnStageSelect() const {
    return Control<QGroupBox>("selectGroup")->isVisible() && Control<QLabel>("TitleImage")->isVisible() &&
           !Control<PlaySurface>("MainImage")->isVisible() && !Control<QPushButton>("undoButton")->isVisible() &&
           Control<QAction>("loadMenu")->isEnabled();
  }
  int SelectedRow() const {
    const auto selected = Control<QListWidget>("StageList")->selectedItems();
    return selected.isEmpty() ? -1 : Control<QListWidget>("StageList")->row(selected.first());
  }

  QTemporaryDir folder;
  QString oldCurrent;
  FakeFrameClock clock;
  std::vector<QUrl> openedUrls;
  bool openFails = false;  // the desktop cannot open what it is given
  StageFileReader readShelf;  // ステージ集's reader, when a test slows it down
  std::unique_ptr<MainForm> form;
};

}  // namespace suispo::test
