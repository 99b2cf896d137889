// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fakes for the tests of the game: a painter and a window that write down every call in order.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/game/board_painter.h"
#include "core/text/game_error.h"
#include "core/game/game_window.h"

namespace suispo::test {

class RecordingPainter : public BoardPainter {
 public:
  std::vector<std::string> calls;
  std::string verdict;  // the name plate's text at the last clear
  std::function<void()> duringStep;  // called at each step of a slide, as a press between frames

  void DrawFloor(int x, int y) override { Add("DrawFloor", {x, y}); }
  void DrawTile(int x, int y, int kind) override { Add("DrawTile", {x, y, kind}); }
  void DrawWall(int x, int y, bool horizontal, bool marked) override { Add("DrawWall", {x, y, horizontal, marked}); }
  void DrawBorder() override { Add("DrawBorder", {}); }
  void SaveBackground() override { Add("SaveBackground", {}); }
  void RestoreCell(int x, int y) override { Add("RestoreCell", {x, y}); }
  void DrawCharacter(int x, int y, int facing) override { Add("DrawCharacter", {x, y, facing}); }
  void PresentBoard() override { Add("PresentBoard", {}); }
  void EraseCell(int x, int y) override { Add("EraseCell", {x, y}); }
  void DrawStageName(const std::string& name) override { calls.push_back("DrawStageName(" + name + ")"); }
  void AnimateStep(int x, int y, int dx, int dy, int facing) override {
    Add("AnimateStep", {x, y, dx, dy, facing});
    if (duringStep) duringStep();
  }
  void AnimateClear(int x, int y, const std::string& verdict) override {
    Add("AnimateClear", {x, y});
    this->verdict = verdict;
  }
  void AnimateMiss(int x, int y) override { Add("AnimateMiss", {x, y}); }
  void AnimateSink(int x, int y) override { Add("AnimateSink", {x, y}); }
  void AnimateRise(int x, int y, int facing) override { Add("AnimateRise", {x, y, facing}); }

 private:
  void Add(const std::string& name, std::initializer_list<int> args) {
    std::string call = name + "(";
    bool first = true;
    for (int a : args) {
      call += (first ? "" : ",") + std::to_string(a);
      first = false;
    }
    calls.push_back(call + ")");
  }
};

class RecordingWindow : public GameWindow {
 public:
  std::vector<std::string> calls;
  bool undoEnabled = false;
  std::string mpText = "0";
  bool failSave = false;     // the stage file's save fails
  bool failRecords = false;  // the records' save fails
  int moveCount = -1;  // as last shown
  std::vector<std::pair<int, bool>> clears;  // (moves, hinted) of each clear recorded

  void SetUndoEnabled(bool enabled) override {
    undoEnabled = enabled;
    calls.push_back(enabled ? "EnableUndo" : "DisableUndo");
  }
  void ShowMp(int mp) override {
    mpText = std::to_string(mp);
    calls.push_back("ShowMp(" + mpText + ")");
  }
  void ShowMoveCount(int count) override { moveCount = count; }
  std::string RecordClear(int, int moves, bool hinted) override {
    clears.push_back({moves, hinted});
    return "verdict";
  }
  void MarkStageCleared(int stageIndex) override {
    calls.push_back("MarkStageCleared(" + std::to_string(stageIndex) + ")");
    if (failSave) throw GameError(MessageId::kCannotCreateFile, {"x.ssp"});
  }
  void SaveRecords() override {
    calls.push_back("SaveRecords");
    if (failRecords) throw GameError(MessageId::kCannotWrite, {"suispo-records.txt"});
  }
  void HidePlayScreen() override { calls.push_back("HidePlayScreen"); }
  void ShowStageSelect() override { calls.push_back("ShowStageSelect"); }
};

}  // namespace suispo::test
