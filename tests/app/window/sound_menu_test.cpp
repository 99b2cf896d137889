// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Game > 効果音 and 音量: shown from the settings, changed by the menu or the key M, kept at close.
#include <gtest/gtest.h>

#include <QAction>
#include <string>

#include "tests/app/window/window_fixture.h"

namespace suispo::test {
namespace {

TEST_F(WindowTest, TheSoundIsMutedByItsMenuOrMAndItsVolumeIsKept) {
  WriteFile("suispo.ini", "[Sound]\r\non=0\r\nvolume=40\r\n");
  Start();
  EXPECT_FALSE(Control<QAction>("soundMenu")->isChecked());
  EXPECT_TRUE(Control<QAction>("volumeMenu40")->isChecked());
  Type(Qt::Key_M);
  EXPECT_TRUE(Control<QAction>("soundMenu")->isChecked());
  Control<QAction>("volumeMenu80")->trigger();
  EXPECT_FALSE(Control<QAction>("volumeMenu40")->isChecked());
  form->close();
  EXPECT_NE(ReadFile("suispo.ini").find("[Sound]\r\non=1\r\nvolume=80\r\n"), std::string::npos);
}

}  // namespace
}  // namespace suispo::test
