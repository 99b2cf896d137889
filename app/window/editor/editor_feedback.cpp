// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage editor's figures: placed, asked for at every edit, shown as the workers answer.
#include "app/window/editor/editor_feedback.h"

#include <QLabel>
#include <QLineEdit>

#include "app/window/editor/editor_layout.h"
#include "app/window/editor/gate_words.h"
#include "app/window/puzzle_facts.h"

namespace suispo {

namespace {

QLabel* Caption(QWidget* parent, ControlPlaces& places, const QString& text, layout::Rect place) {
  auto* caption = new QLabel(text, parent);
  places.Place(caption, place, {editor::kFontPixels, true});
  return caption;
}

QLabel* Figure(QWidget* parent, ControlPlaces& places, const char* name, const QString& spoken, layout::Rect place) {
  auto* figure = new QLabel(parent);
  figure->setObjectName(QString::fromLatin1(name));
  figure->setAccessibleName(spoken);
  places.Place(figure, place, {editor::kFontPixels});
  return figure;
}

}  // namespace

EditorFeedback::EditorFeedback(QWidget* parent, ControlPlaces& places, std::function<void()> answered)
    : answered_(std::move(answered)) {
  gatePool_.setMaxThreadCount(1);
  Caption(parent, places, tr("最短"), editor::kParCaption);
  // A field a screen reader finds by its name, 最短, and reads the par from.
  parText = new QLineEdit(parent);
  parText->setObjectName(QStringLiteral(u"\u6700\u77ed"));
  parText->setAccessibleName(tr("最短"));
  parText->setReadOnly(true);
  parText->setFrame(false);
  parText->setFocusPolicy(Qt::ClickFocus);
  places.Place(parText, editor::kParField, {editor::kFontPixels, true});
  Caption(parent, places, tr("むずかしさ"), editor::kRatingCaption);
  ratingText = Figure(parent, places, "ratingText", tr("むずかしさ"), editor::kRatingField);
  Caption(parent, places, tr("最短の解き方"), editor::kClearsCaption);
  clearsText = Figure(parent, places, "clearsText", tr("最短の解き方"), editor::kClearsField);
  missingText = Figure(parent, places, "missingText", tr("足りないもの"), editor::kMissingField);
  gatesText = Figure(parent, places, "gatesText", tr("ゲート"), editor::kGatesField);
  gatesText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  revisionText = Figure(parent, places, "revisionText", tr("結果の編集"), editor::kRevisionField);
}

void EditorFeedback::SetStale(QWidget* field, bool stale) {
  QPalette palette = field->palette();
  const QColor colour = stale ? QColor(150, 150, 150) : QColor(0, 0, 0);
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  field->setPalette(palette);
}

void EditorFeedback::Stop() {
  parWork_.Cancel();
  gateWork_.Cancel();
}

void EditorFeedback::Ask(const StageEdit& edit) {
  Stop();
  revision_ = edit.revision();
  par_.reset();
  gates_.reset();
  draft_ = edit.Draft();
  for (QWidget* field : {static_cast<QWidget*>(parText), static_cast<QWidget*>(ratingText),
                         static_cast<QWidget*>(clearsText), static_cast<QWidget*>(gatesText)}) {
    SetStale(field, true);
  }
  ShowMissing(MissingOf(edit.stage()));
  const std::optional<PlayState> start = edit.Start();
  if (!start) {
    // Nothing to search without a start: what is missing says so.
    parText->setText(ParShown(PuzzleFacts::kNoPar));
    ratingText->clear();
    clearsText->clear();
    gatesText->clear();
    SetStale(parText, false);
    revisionText->setText(tr("編集 %1").arg(revision_));
    if (answered_) answered_();
    return;
  }
  parWork_.Start([state = *start](const std::atomic<bool>* cancel) { return FindParFeedback(state, cancel); },
                 [this](const ParFeedback& answer) { ShowPar(answer); });
}

void EditorFeedback::ShowMissing(const MissingPieces& missing) {
  QStringList words;
  if (missing.start) words << tr("スタート");
  if (missing.door) words << tr("扉");
  static const char* const kLonePads[] = {QT_TR_NOOP("赤のワープの相手"), QT_TR_NOOP("青のワープの相手"),
                                          QT_TR_NOOP("緑のワープの相手"), QT_TR_NOOP("橙のワープの相手")};
  for (const int kind : missing.lonePads) words << tr(kLonePads[kind - kWarpRed]);
  missingText->setText(words.isEmpty() ? tr("足りないもの: なし") : tr("足りないもの: %1").arg(words.join(tr("、"))));
}

void EditorFeedback::ShowPar(const ParFeedback& answer) {
  if (answer.cancelled) return;
  par_ = answer;
  revisionText->setText(tr("編集 %1").arg(revision_));
  SetStale(parText, false);
  SetStale(ratingText, false);
  switch (answer.outcome) {
    case SolveOutcome::kSolved: parText->setText(QString::number(answer.par())); break;
    case SolveOutcome::kNoSolution: parText->setText(tr("クリアできません")); break;
    case SolveOutcome::kStopped: parText->setText(tr("大きすぎて調べきれません")); break;
  }
  if (answer.outcome == SolveOutcome::kSolved) {
    ratingText->setText(tr("%1 (%2)").arg(RatingShown(answer.rating)).arg(answer.effort));
    ratingText->setAccessibleName(tr("むずかしさ") + QLatin1Char(' ') + QString::number(answer.rating));
  } else {
    ratingText->clear();
    clearsText->clear();
    gatesText->clear();
  }
  if (answered_) answered_();
  if (answer.outcome != SolveOutcome::kSolved || !draft_) return;
  gateWork_.Start([draft = *draft_](const std::atomic<bool>* cancel) { return FindGateFeedback(draft, cancel); },
                  [this](const GateFeedback& gates) { ShowGates(gates); });
}

void EditorFeedback::ShowGates(const GateFeedback& answer) {
  if (answer.cancelled) return;
  gates_ = answer;
  const StageMeasures& m = answer.measures;
  clearsText->setText(m.ideas < 0 ? tr("調べきれません") : tr("%n 通り", nullptr, m.ideas) +
                                                             (m.ideas >= kIdeaCap ? tr("以上") : QString()));
  QStringList lines;
  for (std::size_t i = 0; i < kGateCount; ++i) lines << GateLine(kGates[i], answer.gates.pass[i], m);
  gatesText->setText(lines.join(QLatin1Char('\n')));
  SetStale(clearsText, false);
  SetStale(gatesText, false);
}

}  // namespace suispo
