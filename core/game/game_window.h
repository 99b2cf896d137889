// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the game asks of the window (the undo button, the wall-point label, saving a clear, the screens),
// and a window that shows nothing.
#pragma once

#include <string>

namespace suispo {

class GameWindow {
 public:
  virtual ~GameWindow() = default;

  virtual void SetUndoEnabled(bool enabled) = 0;
  virtual void ShowMp(int mp) = 0;  // mpText shows mp in decimal
  virtual void ShowMoveCount(int count) = 0;  // the operations of this play so far
  // A clear in `moves` operations, a hint shown or not: noted in the stage's record, which decides
  // the star. Returns what the name plate says about it during the victory (UTF-8; may be empty).
  virtual std::string RecordClear(int stageIndex, int moves, bool hinted) = 0;
  // Marks the line at stageIndex cleared and saves the stage file; may throw a GameError.
  virtual void MarkStageCleared(int stageIndex) = 0;
  // Saves the record noted by RecordClear; may throw a GameError.
  virtual void SaveRecords() = 0;
  // Hides the play surface and the play controls after a clear.
  virtual void HidePlayScreen() = 0;
  virtual void ShowStageSelect() = 0;
};

// For a game with no window around it: nothing shown, and no file saved at a clear.
class NullWindow : public GameWindow {
 public:
  void SetUndoEnabled(bool) override {}
  void ShowMp(int) override {}
  void ShowMoveCount(int) override {}
  std::string RecordClear(int, int, bool) override { return {}; }
  void MarkStageCleared(int) override {}
  void SaveRecords() override {}
  void HidePlayScreen() override {}
  void ShowStageSelect() override {}
};

}  // namespace suispo
