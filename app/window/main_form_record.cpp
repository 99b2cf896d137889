// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's figures and play record: the wall points, the operation count, the par and the rating
// searched in the background, the best clear and the hint.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/window/main_form.h"
#include "app/window/verdict_text.h"
#include "core/rules/same_stage.h"
#include "core/design/effort.h"

namespace suispo {

namespace {

constexpr int kHintLitMs = 1000;

// A figure's label shows the number; a screen reader reads its caption with it.
void ShowFigure(QLabel* label, const QString& caption, const QString& shown) {
  label->setText(shown);
  label->setAccessibleName(caption + QLatin1Char(' ') + shown);
}

}  // namespace

QString ParShown(int par) {
  if (par == MainForm::kParPending) return QStringLiteral("…");
  if (par == MainForm::kNoPar) return QStringLiteral("—");
  return QString::number(par);
}

QString RatingShown(int rating) {
  if (rating == MainForm::kParPending) return QStringLiteral("…");
  return QString(rating, QChar(0x25CF));
}

void MainForm::ShowMp(int mp) { ShowFigure(mpText, QStringLiteral("のこりの壁"), QString::number(mp)); }

void MainForm::ShowMoveCount(int count) {
  ShowFigure(moveText, QStringLiteral("手数"), QString::number(count));
  ShowHintMark();  // a restart keeps the play's hint mark, a stage chosen again clears it
}

void MainForm::EndRecord() {
  parSolve_.Cancel();
  ratingWork_.Cancel();
  DropHint();
}

void MainForm::StartRecord() {
  const std::optional<std::string> key = PlayedPuzzle();
  const auto known = key ? parByStage_.find(*key) : parByStage_.end();
  par_ = known != parByStage_.end() ? known->second : kParPending;
  ShowPar();
  ShowBest();
  DropHint();
  const auto rated = key ? ratingByStage_.find(*key) : ratingByStage_.end();
  rating_ = rated != ratingByStage_.end() ? rated->second : kParPending;
  ShowRating();
  if (rated == ratingByStage_.end()) {
    const PlayState start = *game_;
    ratingWork_.Start([start](const std::atomic<bool>* cancel) { return RatingAt(start, cancel); },
                      [this, key](const int& rating) {
                        if (key) ratingByStage_[*key] = rating;
                        rating_ = rating;
                        ShowRating();
                      });
  }
  if (known != parByStage_.end()) return;  // the preview has searched it already
  parSolve_.Start(*game_, [this, key](const SolveResult& answer) {
    par_ = answer.outcome == SolveOutcome::kSolved ? static_cast<int>(answer.ops.size()) : kNoPar;
    if (key && answer.outcome != SolveOutcome::kStopped) parByStage_[*key] = par_;
    ShowPar();
  });
}

void MainForm::ShowPar() { ShowFigure(parText, QStringLiteral("最短"), ParShown(par_)); }

std::optional<std::string> MainForm::PlayedPuzzle() const {
  return PuzzleKey(game_->line(), game_->StartedAt());
}

// Round marks, never the ★ that a clear at par earns; a screen reader reads the number.
void MainForm::ShowRating() {
  const QString caption = QStringLiteral("むずかしさ");
  ratingText->setText(RatingShown(rating_));
  ratingText->setAccessibleName(caption + QLatin1Char(' ') + (rating_ == kParPending ? RatingShown(rating_) : QString::number(rating_)));
}

void MainForm::ShowBest() {
  const std::optional<StageRecord> record = store_.records.Find(PlayedPuzzle());
  ShowFigure(bestText, QStringLiteral("記録"), record ? QString::number(record->best) : QStringLiteral("—"));
}

std::string MainForm::RecordClear(int, int moves, bool hinted) {
  // The par is the played stage's, or none while it is still searched for.
  const std::optional<int> par = par_ >= 0 ? std::optional<int>(par_) : std::nullopt;
  const ClearVerdict verdict = store_.records.Note(PlayedPuzzle(), moves, par, hinted);
  ShowBest();  // the new best shows while the plate says so
  return VerdictText(verdict).toStdString();
}

void MainForm::SaveRecords() { store_.records.Save(); }

void MainForm::hintMenuClick() {
  if (game_->inputReady != 1) return;
  DropHint();
  hintSolve_.Start(*game_, [this](const SolveResult& answer) { ShowHint(answer); });
}

void MainForm::ShowHint(const SolveResult& answer) {
  if (answer.outcome != SolveOutcome::kSolved || answer.ops.empty()) {
    dialogs_.ShowMessage(this, QStringLiteral("ヒント"),
                         answer.outcome == SolveOutcome::kNoSolution
                             ? QStringLiteral("この局面からはクリアできません。１手戻すか、やり直してください。")
                             : QStringLiteral("この局面からの手順は、探しきれませんでした。"));
    return;
  }
  // The play is marked as hinted only now that the hint is seen.
  game_->hinted = true;
  ShowHintMark();
  const SolverOp next = answer.ops.front();
  const std::array<QPushButton*, 4> moves = {NMoveButton, EMoveButton, SMoveButton, WMoveButton};
  const std::array<QPushButton*, 4> walls = {NWallButton, EWallButton, SWallButton, WWallButton};
  litButton_ = (next.wall ? walls : moves).at(static_cast<std::size_t>(next.direction));
  // The button is lit for a moment; only its look changes, never the game.
  litButton_->setStyleSheet(QStringLiteral("QPushButton { background-color: #ffd84a; border: 2px solid #ff8000; }"));
  QTimer::singleShot(kHintLitMs, litButton_, [this, button = litButton_] {
    if (litButton_ == button) DropHint();
  });
}

void MainForm::DropHint() {
  hintSolve_.Cancel();
  if (litButton_ != nullptr) litButton_->setStyleSheet(QString());
  litButton_ = nullptr;
}

}  // namespace suispo
