// A game window that ignores what the rules ask of it: the view tests look at pixels, not at it.
#pragma once

#include "core/game_window.h"

namespace suispo::test {

class QuietWindow : public GameWindow {
 public:
  void SetUndoEnabled(bool) override {}
  void ShowMp(int) override {}
  void MarkStageCleared(int) override {}
  void HidePlayScreen() override {}
  void ShowStageSelect() override {}
};

}  // namespace suispo::test
