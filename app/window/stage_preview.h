// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// StagePreview: the selected stage beside the stage list: its board small, its par and rating from
// the puzzle facts, its record and mark; and beside it the verdict of the last clear.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QCoreApplication>

#include "app/store/stage_store.h"
#include "app/window/background_solve.h"
#include "app/window/control_places.h"
#include "app/window/puzzle_facts.h"
#include "view/board_view.h"
#include "view/unwatched_surface.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace suispo {

class StagePreview {
  Q_DECLARE_TR_FUNCTIONS(StagePreview)

 public:
  // The preview's controls in group, kept in places; its board drawn at paintedScale.
  StagePreview(QWidget* group, ControlPlaces& places, const StageStore& store, PuzzleFacts& facts, int paintedScale);
  ~StagePreview();

  // The stage at row of the list (nothing for a row not on it or a line that does not start).
  void Show(int row);
  // The board again at the window's new zoom, drawn at that painted scale.
  void Redraw(int paintedScale);
  // The last clear's verdict beside the board, the stage it cleared in its tooltip; nothing for an
  // empty one (no clear since a stage was last chosen).
  void ShowVerdict(const QString& verdict, const QString& stage);
  // The play searches its own par; the preview's search would only hold a worker the hint may need.
  void StopSearch() { search_.Cancel(); }
  // Until the window's first paint the par and rating searches of the stage shown wait: the start
  // needs the CPU. From then on they start with each stage shown.
  void StartSearches();

  // The par of the stage shown, as PlayScreen::par() is for the play.
  int par() const { return par_; }
  // The rating of the stage shown, as PlayScreen::rating() is for the play.
  int rating() const { return rating_; }

 private:
  void ShowRating(int rating);

  const StageStore& store_;
  PuzzleFacts& facts_;
  QLabel* previewImage = nullptr;          // the selected stage's board, small
  QLineEdit* previewParText = nullptr;     // its par (最短), searched in the background
  QLineEdit* previewBestText = nullptr;    // its record (記録)
  QLabel* previewMark = nullptr;           // ★, ☆ or nothing
  QLineEdit* previewRatingText = nullptr;  // its rating (むずかしさ), measured in the background
  QLabel* verdictText = nullptr;           // 結果: the last clear's verdict
  int row_ = -1;                           // the row shown
  // Draws the preview's board from the game's pictures, off screen.
  NoWaitClock noWait_;
  NoScreen noScreen_;
  std::unique_ptr<BoardView> view_;
  BackgroundSolve search_;
  BackgroundWork<int> ratingWork_;
  int par_ = PuzzleFacts::kPending;
  int rating_ = PuzzleFacts::kPending;
  bool searchesHeld_ = true;
  std::function<void()> heldSearches_;  // those of the stage shown while held
};

}  // namespace suispo
