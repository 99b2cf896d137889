// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The play screen's figures and play record: the wall points, the operation count, the par and the
// rating from the puzzle facts, the best clear and the hint.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/window/play_screen.h"
#include "app/window/verdict_text.h"
#include "view/figure_captions.h"
#include "app/window/play_surface.h"
#include "core/rules/same_stage.h"
#include "core/rules/stage_line.h"
#include "core/text/display_text.h"

namespace suispo {

namespace {

constexpr int kHintLitMs = 1000;

// A figure's label shows the number; a screen reader reads its caption with it.
void ShowFigure(QLabel* label, const QString& caption, const QString& shown) {
  label->setText(shown);
  label->setAccessibleName(caption + QLatin1Char(' ') + shown);
}

}  // namespace

void PlayScreen::ShowMp(int mp) {
  ShowFigure(figures_[layout::kWallPointsFigure], FigureCaption(layout::kWallPointsFigure), QString::number(mp));
}

void PlayScreen::ShowMoveCount(int count) {
  ShowFigure(figures_[layout::kMoveCountFigure], FigureCaption(layout::kMoveCountFigure), QString::number(count));
  ShowHintMark();  // a restart keeps the play's hint mark, a stage chosen again clears it
}

void PlayScreen::EndRecord() {
  parSolve_.Cancel();
  ratingWork_.Cancel();
  DropHint();
}

void PlayScreen::StartRecord() {
  const std::optional<std::string> key = PlayedPuzzle();
  ShowBest();
  DropHint();
  facts_.FindRating(ratingWork_, key, *game_, [this](int rating) {
    rating_ = rating;
    ShowRating();
  });
  facts_.FindPar(parSolve_, key, *game_, [this](int par) {
    par_ = par;
    ShowPar();
  });
}

void PlayScreen::ShowPar() {
  ShowFigure(figures_[layout::kParFigure], FigureCaption(layout::kParFigure), ParShown(par_));
}

std::optional<std::string> PlayScreen::PlayedPuzzle() const { return PuzzleKey(game_->line(), game_->StartedAt()); }

// Round marks, never the ★ that a clear at par earns; a screen reader reads the number.
void PlayScreen::ShowRating() {
  QLabel* ratingText = figures_[layout::kRatingFigure];
  ratingText->setText(RatingShown(rating_));
  ratingText->setAccessibleName(FigureCaption(layout::kRatingFigure) + QLatin1Char(' ') +
                                (rating_ == PuzzleFacts::kPending ? RatingShown(rating_) : QString::number(rating_)));
}

void PlayScreen::ShowBest() {
  const std::optional<StageRecord> record = store_.records.Find(PlayedPuzzle());
  ShowFigure(figures_[layout::kBestFigure], FigureCaption(layout::kBestFigure),
             record ? QString::number(record->best) : QStringLiteral("—"));
}

std::string PlayScreen::RecordClear(int, int moves, bool hinted) {
  if (trial_) return {};  // a test play leaves the records as they are
  // The par is the played stage's, or none while it is still searched for.
  const std::optional<int> par = par_ >= 0 ? std::optional<int>(par_) : std::nullopt;
  const ClearVerdict verdict = store_.records.Note(PlayedPuzzle(), moves, par, hinted);
  ShowBest();  // the new best shows while the plate says so
  // The plate shows it for a moment; the stage select screen keeps it, beside another stage's
  // preview: its tooltip names the stage cleared.
  lastVerdict_ = {KeptVerdictText(verdict),
                  tr("「%1」のクリア").arg(QString::fromStdString(DisplayText(StageName(game_->line()))))};
  return VerdictText(verdict).toStdString();
}

void PlayScreen::SaveRecords() {
  if (!trial_) store_.records.Save();
}

void PlayScreen::ShowHintMark() { hintMark->setVisible(game_->hinted && MainImage->isVisible()); }

void PlayScreen::hintMenuClick() {
  if (game_->inputReady != 1) return;
  DropHint();
  hintSolve_.Start(*game_, [this](const SolveResult& answer) { ShowHint(answer); });
}

void PlayScreen::ShowHint(const SolveResult& answer) {
  if (answer.outcome != SolveOutcome::kSolved || answer.ops.empty()) {
    dialogs_.ShowMessage(window(), tr("ヒント"),
                         answer.outcome == SolveOutcome::kNoSolution
                             ? tr("この局面からはクリアできません。１手戻すか、やり直してください。")
                             : tr("この局面からの手順は、探しきれませんでした。"));
    return;
  }
  // The play is marked as hinted only now that the hint is seen.
  game_->hinted = true;
  ShowHintMark();
  const SolverOp next = answer.ops.front();
  litButton_ = (next.wall ? wallButtons_ : moveButtons_).at(static_cast<std::size_t>(next.direction));
  // The button is lit for a moment; only its look changes, never the game.
  litButton_->setStyleSheet(QStringLiteral("QPushButton { background-color: #ffd84a; border: 2px solid #ff8000; }"));
  QTimer::singleShot(kHintLitMs, litButton_, [this, button = litButton_] {
    if (litButton_ == button) DropHint();
  });
}

void PlayScreen::DropHint() {
  hintSolve_.Cancel();
  if (litButton_ != nullptr) litButton_->setStyleSheet(QString());
  litButton_ = nullptr;
}

}  // namespace suispo
