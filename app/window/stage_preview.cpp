// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The selected stage's preview: its board, what it is made of, its figures.
#include "app/window/stage_preview.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "core/design/mechanics.h"
#include "core/game/board_build.h"
#include "core/rules/same_stage.h"
#include "core/rules/stage_play.h"
#include "core/rules/stage_line.h"
#include "core/text/game_error.h"

namespace suispo {

namespace {

QLabel* SmallLabel(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

// A number a screen reader reads as text under its name; it looks like a label and takes no focus.
QLineEdit* NumberField(QWidget* parent, const char* objectName, const QString& name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setReadOnly(true);
  field->setFrame(false);
  field->setFocusPolicy(Qt::NoFocus);
  field->setAttribute(Qt::WA_TransparentForMouseEvents);
  field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
  field->setAccessibleName(name);
  return field;
}

// What the stage is made of, for the preview's tooltip: "穴 2・矢印 3、鍵 1、置ける壁 2".
QString MadeOf(const rules::StagePlay& play) {
  const auto word = [](const char* w) { return QCoreApplication::translate("CellKind", w); };
  QStringList pieces;
  for (const PieceCount& p : PiecesOn(play.board)) pieces << QStringLiteral("%1 %2").arg(word(p.word)).arg(p.count);
  QStringList parts;
  if (!pieces.isEmpty()) parts << pieces.join(QCoreApplication::translate("suispo::StagePreview", "・"));
  parts << QStringLiteral("%1 %2").arg(word(kCellKinds[kKey].word)).arg(std::ranges::count(play.board.cells, kKey))
        << QCoreApplication::translate("suispo::StagePreview", "置ける壁 %1").arg(play.mp);
  return parts.join(QCoreApplication::translate("suispo::StagePreview", "、"));
}

}  // namespace

StagePreview::StagePreview(QWidget* group, ControlPlaces& places, const StageStore& store, PuzzleFacts& facts,
                           int paintedScale)
    : store_(store), facts_(facts), view_(std::make_unique<BoardView>(noWait_, noScreen_, paintedScale)) {
  previewImage = new QLabel(group);
  previewImage->setObjectName(QStringLiteral("previewImage"));
  places.Place(previewImage, layout::kPreviewImage);
  previewImage->setAccessibleName(tr("プレビュー"));
  // The figures beside the board in one readable size.
  const FontSpec caption{layout::kPreviewPixels};
  const FontSpec figure{layout::kPreviewPixels, true};
  places.Place(SmallLabel(group, tr("最短")), layout::kPreviewParCaption, caption);
  previewParText = NumberField(group, "previewParText", tr("最短"));
  places.Place(previewParText, layout::kPreviewPar, figure);
  places.Place(SmallLabel(group, tr("記録")), layout::kPreviewBestCaption, caption);
  previewBestText = NumberField(group, "previewBestText", tr("記録"));
  places.Place(previewBestText, layout::kPreviewBest, figure);
  previewMark = SmallLabel(group, QString());
  previewMark->setObjectName(QStringLiteral("previewMark"));
  places.Place(previewMark, layout::kPreviewMark, {20});
  previewMark->setAlignment(Qt::AlignCenter);
  previewMark->setAccessibleName(tr("しるし"));
  previewMark->setToolTip(tr("☆ クリアした　★ 最短手数でヒントなしにクリアした"));
  places.Place(SmallLabel(group, tr("むずかしさ")), layout::kPreviewRatingCaption, caption);
  previewRatingText = NumberField(group, "previewRatingText", tr("むずかしさ"));
  places.Place(previewRatingText, layout::kPreviewRating, figure);
  previewRatingText->setToolTip(tr("●が多いほど、解き方を見つけにくいステージ（1〜5）"));
  verdictText = SmallLabel(group, QString());
  verdictText->setObjectName(QStringLiteral("\u7d50\u679c"));  // 結果 in every language: a name, never shown
  verdictText->setAccessibleName(tr("結果"));
  verdictText->setWordWrap(true);
  verdictText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  places.Place(verdictText, layout::kPreviewVerdict, caption);
  verdictText->hide();
}

StagePreview::~StagePreview() = default;

void StagePreview::Redraw(int paintedScale) {
  view_->SetScale(paintedScale);
  Show(row_);
}

void StagePreview::ShowVerdict(const QString& verdict, const QString& stage) {
  verdictText->setText(verdict);
  verdictText->setToolTip(stage);
  // A label's own text does not reach a screen reader beside its name: the description carries it.
  verdictText->setAccessibleDescription(verdict.isEmpty() ? QString() : stage + QLatin1Char('\n') + verdict);
  verdictText->setVisible(!verdict.isEmpty());
}

void StagePreview::StartSearches() {
  searchesHeld_ = false;
  if (heldSearches_) std::exchange(heldSearches_, nullptr)();
}

void StagePreview::Show(int row) {
  row_ = row;
  heldSearches_ = nullptr;
  search_.Cancel();
  ratingWork_.Cancel();
  previewImage->clear();
  previewImage->setToolTip(QString());
  previewParText->clear();
  previewBestText->clear();
  previewMark->clear();
  previewRatingText->clear();
  previewRatingText->setAccessibleDescription(QString());
  if (row < 0 || static_cast<std::size_t>(row) >= store_.dataList.size()) return;
  const StageLine& line = store_.dataList[static_cast<std::size_t>(row)];
  rules::StagePlay play;
  try {
    play.StartStage(line);
  } catch (const GameError&) {
    return;  // a line that does not start has nothing to show; choosing it reports why
  }
  view_->LoadBoard();  // the board alone: the play surface is never shown here
  BuildBoard(play.board, *view_);
  view_->DrawCharacter(play.playerX, play.playerY, play.facing);
  previewImage->setToolTip(MadeOf(play));
  previewImage->setAccessibleDescription(previewImage->toolTip());
  // The preview's place grows with the zoom; its pixels follow the screen's.
  const qreal ratio = previewImage->devicePixelRatioF();
  QPixmap preview = QPixmap::fromImage(view_->workingBoard().scaled(qRound(previewImage->width() * ratio),
                                                                    qRound(previewImage->height() * ratio),
                                                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  preview.setDevicePixelRatio(ratio);
  previewImage->setPixmap(preview);
  const std::optional<StageRecord> record = store_.records.Find(PuzzleKey(line));
  previewBestText->setText(record ? QString::number(record->best) : QStringLiteral("—"));
  previewMark->setText(record && record->star ? tr("★") : IsCleared(line) ? tr("☆") : QString());
  // The facts are kept by the puzzle as the preview starts it, the play's start included.
  const std::optional<std::string> key = PuzzleKey(line, play.StartedAt());
  auto searches = [this, key, start = static_cast<const PlayState&>(play)] {
    facts_.FindPar(search_, key, start, [this](int par) {
      par_ = par;
      previewParText->setText(ParShown(par_));
    });
    facts_.FindRating(ratingWork_, key, start, [this](int rating) { ShowRating(rating); });
  };
  if (searchesHeld_) heldSearches_ = std::move(searches);
  else searches();
}

void StagePreview::ShowRating(int rating) {
  rating_ = rating;
  previewRatingText->setText(RatingShown(rating));
  // A screen reader reads the number, not the marks.
  previewRatingText->setAccessibleDescription(rating == PuzzleFacts::kPending ? QString() : QString::number(rating));
}

}  // namespace suispo
