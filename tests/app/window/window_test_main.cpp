// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Runs the window tests inside the game's own application object, in Japanese, off screen, with answering dialogs.
#include <cstdlib>

#include <QTranslator>
#include <gtest/gtest.h>

#include "app/program/error_reporting_application.h"
#include "app/platform/qt_japanese.h"
#include "tests/app/window/fake_dialogs.h"

namespace suispo::test {

FakeDialogs& TestDialogs() {
  return dynamic_cast<FakeDialogs&>(static_cast<ErrorReportingApplication*>(qApp)->dialogs());
}

}  // namespace suispo::test

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  suispo::test::FakeDialogs dialogs;
  suispo::ErrorReportingApplication app(argc, argv, dialogs);
  QTranslator japanese;  // as the game runs: Qt's own texts in Japanese
  suispo::InstallQtJapanese(japanese);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
