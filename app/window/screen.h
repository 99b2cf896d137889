// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Screen: one page of the window's client area (the stage select screen, the play screen, …): a widget
// over the whole client area that owns its controls, places them by the layout table at the zoom, and
// says which menu items it offers. The window shows one screen at a time (ShowScreen). A new screen:
// a Screen subclass made from ScreenParts in MainForm's constructor, added to MainForm::screens_, and
// brought to the front by its own operations through shell_.ShowScreen(this).
#pragma once

#include <QWidget>

#include "app/window/control_places.h"
#include "app/window/screen_parts.h"

namespace suispo {

// The menu items a screen offers while it is in front; the window enables just those.
struct MenuUse {
  bool files = false;  // Game > Open, the chapters and new stages
  bool hint = false;   // Game > Hint
};

class Screen : public QWidget {
 public:
  // Hidden until the window brings it to the front; it covers the whole client area.
  explicit Screen(const ScreenParts& parts);

  virtual MenuUse menus() const = 0;

  // Every placed control and its font at the zoom (1 for 100 %), then the screen's own pictures.
  void ApplyZoom(double zoom);
  double zoom() const { return zoom_; }
  // The painted scale of the pictures at this zoom on this screen.
  int PaintedScale() const;

 protected:
  // Puts a control at its place of the layout table, and keeps it for ApplyZoom.
  void PlaceControl(QWidget* control, layout::Rect place, FontSpec font = {}) { places_.Place(control, place, font); }
  // The screen's pictures and sizes beyond the placed controls, at zoom().
  virtual void ZoomChanged() {}

  // What every screen shares with the window.
  StageStore& store_;
  Dialogs& dialogs_;
  PuzzleFacts& facts_;
  ScreenShell& shell_;
  ControlPlaces places_;

 private:
  double zoom_ = 1;
};

}  // namespace suispo
