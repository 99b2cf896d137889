// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What every screen is built with: the window's store, dialogs, facts and fonts, and the window
// itself to bring a screen to the front.
#pragma once

#include "app/platform/ui_fonts.h"
#include "app/store/stage_store.h"
#include "app/window/dialogs.h"
#include "app/window/puzzle_facts.h"

class QWidget;

namespace suispo {

class Screen;

// The window as its screens see it.
class ScreenShell {
 public:
  virtual ~ScreenShell() = default;
  // Shows this screen and hides the others (none for nullptr); the menus follow its MenuUse.
  virtual void ShowScreen(Screen* screen) = 0;
};

struct ScreenParts {
  QWidget* client;  // the window's client area, the parent of every screen
  ScreenShell& shell;
  StageStore& store;
  Dialogs& dialogs;
  PuzzleFacts& facts;
  const UiFonts& fonts;
};

}  // namespace suispo
