// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's figures and play record: the wall points, the operation count, the par searched in the
// background, the best clear and the hint.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/window/main_form.h"

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

void MainForm::ShowMp(int mp) { ShowFigure(mpText, QStringLiteral("のこりの壁"), QString::number(mp)); }

void MainForm::ShowMoveCount(int count) {
  ShowFigure(moveText, QStringLiteral("手数"), QString::number(count));
  DropHint();
  ShowHintMark();
}

void MainForm::StartRecord() {
  const std::string key = RecordKey(game_->line());
  const auto known = parByStage_.find(key);
  par_ = known != parByStage_.end() ? known->second : kParPending;
  ShowPar();
  ShowBest();
  DropHint();
  if (known != parByStage_.end()) return;  // the preview has searched it already
  parSolve_.Start(*game_, [this, key](const SolveResult& answer) {
    par_ = answer.outcome == SolveOutcome::kSolved ? static_cast<int>(answer.ops.size()) : kNoPar;
    if (answer.outcome != SolveOutcome::kStopped) parByStage_[key] = par_;
    ShowPar();
  });
}

void MainForm::ShowPar() { ShowFigure(parText, QStringLiteral("最短"), ParShown(par_)); }

void MainForm::ShowBest() {
  const std::optional<StageRecord> record =
      store_.records.Find(store_.dataList.at(static_cast<std::size_t>(game_->stageIndex)));
  ShowFigure(bestText, QStringLiteral("記録"), record ? QString::number(record->best) : QStringLiteral("—"));
}

std::string MainForm::RecordClear(int stageIndex, int moves, bool hinted) {
  const std::optional<int> par = par_ >= 0 ? std::optional<int>(par_) : std::nullopt;
  const ClearNote note =
      store_.records.Note(store_.dataList.at(static_cast<std::size_t>(stageIndex)), moves, par, hinted);
  QString verdict = QStringLiteral("%1手でクリア").arg(moves);
  if (par) verdict += QStringLiteral("（最短 %1手）").arg(*par);
  if (!hinted && par && moves <= *par) verdict += QStringLiteral("★");
  if (note.newBest) verdict += QStringLiteral(" 新記録！");
  // The plate is narrow: a hinted clear tells why it has no star in place of the par.
  if (hinted) verdict = QStringLiteral("%1手でクリア ヒントを使ったので★はつきません").arg(moves);
  ShowBest();  // the new best shows while the plate says so
  return verdict.toStdString();
}

void MainForm::hintMenuClick() {
  if (game_->inputReady != 1) return;
  DropHint();
  game_->hinted = true;
  ShowHintMark();
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
