// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// MainForm's stage select screen beside the list: ステージ集 with each file's progress, the selected
// stage's preview with its par searched in the background, and the note of a completed file.
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

#include "app/store/file_paths.h"
#include "app/window/error_report.h"
#include "app/window/main_form.h"
#include "app/window/play_surface.h"
#include "core/design/effort.h"
#include "core/design/mechanics.h"
#include "core/files/stage_file.h"
#include "core/game/board_build.h"
#include "core/rules/same_stage.h"
#include "core/text/game_error.h"

namespace suispo {

namespace {


QLabel* SmallLabel(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return !a.empty() && !b.empty() && (a == b || std::filesystem::equivalent(a, b, error));
}

// "第1章 壁" is "1 壁" in the chooser, which is narrow; other names stay as they are.
QString ShortLabel(const std::string& label) {
  QString text = QString::fromStdString(label);
  if (text.startsWith(QStringLiteral("第")) && text.contains(QStringLiteral("章 "))) {
    text = text.mid(1).replace(QStringLiteral("章 "), QStringLiteral(" "));
  }
  return text;
}

// What the stage is made of, for the preview's tooltip: "穴 2・矢印 3、鍵 1、置ける壁 2".
QString MadeOf(const rules::StagePlay& play) {
  auto word = [](const char* w) { return QCoreApplication::translate("CellKind", w); };
  QStringList pieces;
  for (const PieceCount& p : PiecesOn(play.board)) pieces << QStringLiteral("%1 %2").arg(word(p.word)).arg(p.count);
  QStringList parts;
  if (!pieces.isEmpty()) parts << pieces.join(QStringLiteral("・"));
  parts << QStringLiteral("%1 %2").arg(word(kCellKinds[kKey].word)).arg(std::ranges::count(play.board.cells, kKey))
        << QStringLiteral("置ける壁 %1").arg(play.mp);
  return parts.join(QStringLiteral("、"));
}

// A number a screen reader reads as text under its name; it looks like a label and takes no focus.
QLineEdit* NumberField(QWidget* parent, const QString& name) {
  auto* field = new QLineEdit(parent);
  field->setReadOnly(true);
  field->setFrame(false);
  field->setFocusPolicy(Qt::NoFocus);
  field->setAttribute(Qt::WA_TransparentForMouseEvents);
  field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
  field->setAccessibleName(name);
  return field;
}

QString FileLabel(const std::string& path) {
  QString name = QFile::decodeName(BareName(path).c_str());
  if (name.endsWith(QStringLiteral(".ssp"))) name.chop(4);
  return name;
}

}  // namespace

void MainForm::BuildSelectControls(QWidget* client) {
  // A button with the files in its menu: a screen reader reads its name, ステージ集, and the button
  // shows the file on the list with its progress.
  fileChooser = new QPushButton(selectGroup);
  PlaceControl(fileChooser, layout::kFileChooser, {11});
  fileChooser->setFocusPolicy(Qt::StrongFocus);
  fileChooser->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 3px; }"));
  fileChooser->setAccessibleName(QStringLiteral("ステージ集"));
  fileChooser->setToolTip(QStringLiteral("ステージ集：はじめの5ステージ、6つの章、自分のステージファイル (Tab, Space)"));
  fileChooser->setMenu(new QMenu(fileChooser));
  // Tab goes from the list to ステージ決定, then to the chooser; Space opens it.
  setTabOrder(ChoiseButtom, fileChooser);
  setTabOrder(fileChooser, undoButton);

  previewImage = new QLabel(selectGroup);
  PlaceControl(previewImage, layout::kPreviewImage);
  previewImage->setAccessibleName(QStringLiteral("盤面"));
  PlaceControl(SmallLabel(selectGroup, QStringLiteral("最短")), layout::kPreviewParCaption, {12});
  previewParText = NumberField(selectGroup, QStringLiteral("最短"));
  PlaceControl(previewParText, layout::kPreviewPar, {12, true});
  PlaceControl(SmallLabel(selectGroup, QStringLiteral("記録")), layout::kPreviewBestCaption, {12});
  previewBestText = NumberField(selectGroup, QStringLiteral("記録"));
  PlaceControl(previewBestText, layout::kPreviewBest, {12, true});
  previewMark = SmallLabel(selectGroup, QString());
  PlaceControl(previewMark, layout::kPreviewMark, {20});
  previewMark->setAlignment(Qt::AlignCenter);
  previewMark->setAccessibleName(QStringLiteral("しるし"));
  previewMark->setToolTip(QStringLiteral("☆ クリアした　★ 最短手数でヒントなしにクリアした"));
  PlaceControl(SmallLabel(selectGroup, QStringLiteral("むずかしさ")), layout::kPreviewRatingCaption, {10});
  previewRatingText = NumberField(selectGroup, QStringLiteral("むずかしさ"));
  PlaceControl(previewRatingText, layout::kPreviewRating, {10, true});
  previewRatingText->setToolTip(QStringLiteral("●が多いほど、解き方を見つけにくいステージ（1〜5）"));

  progressNote = SmallLabel(client, QString());
  PlaceControl(progressNote, layout::kProgressNote, {12, true});
  progressNote->setAlignment(Qt::AlignCenter);
  progressNote->hide();

  hintMark = SmallLabel(client, QStringLiteral("ヒ"));
  PlaceControl(hintMark, layout::kHintMark, {9, true});
  QPalette yellow = hintMark->palette();
  yellow.setColor(QPalette::WindowText, QColor(255, 216, 74));
  hintMark->setPalette(yellow);
  hintMark->setAccessibleName(QStringLiteral("ヒント使用"));
  hintMark->setToolTip(QStringLiteral("ヒントを使ったので、このプレイのクリアに★はつきません（やり直しても消えず、ステージを選び直すと消えます）"));
  hintMark->hide();

  connect(StageList, &QListWidget::currentRowChanged, this, [this](int row) { ShowPreview(row); });
  connect(chapterMenu, &QMenu::aboutToShow, this, [this] { FillChapterMenu(); });
}

StageProgress MainForm::ProgressOfFile(const std::string& path) const {
  try {
    return ProgressOf(ReadStageFile(path), store_.records);
  } catch (const GameError&) {
    return {};  // a file that does not read shows no progress
  }
}

void MainForm::FillShelf() {
  const std::string current = store_.CurrentPath();
  const bool builtin = store_.ShowsBuiltinStages();
  std::vector<ShelfEntry> shelf;
  shelf.push_back({ShelfEntry::Kind::kBuiltin, "", {}, "はじめ", builtin});
  std::vector<std::string> copies;
  for (const Chapter& chapter : ChaptersIn(chapterFolder_)) {
    const std::string copy = store_.StageFolder() + BareName(chapter.path);
    copies.push_back(BareName(chapter.path));
    shelf.push_back({ShelfEntry::Kind::kChapter, copy, chapter, chapter.label, !builtin && SameFile(copy, current)});
  }
  for (const std::string& file : store_.OwnStageFiles(copies)) {
    shelf.push_back({ShelfEntry::Kind::kFile, file, {}, FileLabel(file).toStdString(), !builtin && SameFile(file, current)});
  }
  const bool listed = std::any_of(shelf.begin(), shelf.end(), [](const ShelfEntry& e) { return e.current; });
  // A file opened from elsewhere is offered while it is on the list.
  if (!listed && !current.empty()) shelf.push_back({ShelfEntry::Kind::kFile, current, {}, FileLabel(current).toStdString(), true});
  shelf_ = std::move(shelf);

  QMenu* files = fileChooser->menu();
  // The old choices go later: this may run inside one of them.
  for (QAction* old : files->actions()) {
    files->removeAction(old);
    old->deleteLater();
  }
  for (const ShelfEntry& entry : shelf_) {
    StageProgress progress;
    if (entry.current) {
      progress = ProgressOf(store_.dataList, store_.records);
    } else if (entry.kind == ShelfEntry::Kind::kBuiltin) {
      progress = ProgressOf(store_.BuiltinStagesAsSaved(), store_.records);
    } else {
      // A chapter never opened counts from the shipped file.
      const bool copied = entry.kind != ShelfEntry::Kind::kChapter || IsRegularFile(entry.path);
      progress = ProgressOfFile(copied ? entry.path : entry.chapter.path);
    }
    const QString label = entry.kind == ShelfEntry::Kind::kChapter ? ShortLabel(entry.label) : QString::fromStdString(entry.label);
    const QString shown = progress.total > 0 ? QString::fromStdString(WithProgress(label.toStdString(), progress)) : label;
    QAction* choice = files->addAction(shown);
    choice->setCheckable(true);
    choice->setChecked(entry.current);
    if (entry.current) fileChooser->setText(shown + QStringLiteral(" ▾"));
    connect(choice, &QAction::triggered, this, [this, entry] {
      RunReportingErrors(dialogs_, [this, &entry] { OpenShelfEntry(entry); });
      FillShelf();  // after a failure the chooser shows the file still on the list
    });
  }
}

void MainForm::FillChapterMenu() {
  const std::vector<Chapter> chapters = ChaptersIn(chapterFolder_);
  const QList<QAction*> actions = chapterMenu->actions();
  if (static_cast<std::size_t>(actions.size()) != chapters.size()) return;  // changed since start-up
  for (std::size_t i = 0; i < chapters.size(); ++i) {
    const std::string copy = store_.StageFolder() + BareName(chapters[i].path);
    const StageProgress progress = ProgressOfFile(IsRegularFile(copy) ? copy : chapters[i].path);
    actions[static_cast<qsizetype>(i)]->setText(QString::fromStdString(WithProgress(chapters[i].label, progress)));
  }
}

void MainForm::OpenShelfEntry(const ShelfEntry& entry) {
  progressNote->hide();
  if (entry.current) return;
  switch (entry.kind) {
    case ShelfEntry::Kind::kBuiltin:
      store_.OpenBuiltinStages();
      game_->stageIndex = store_.StartingStage();
      ShowStageSelect();
      break;
    case ShelfEntry::Kind::kChapter: OpenChapter(entry.chapter); break;
    case ShelfEntry::Kind::kFile: OpenStageFile(QFile::decodeName(entry.path.c_str())); break;
  }
}

void MainForm::TellCompleted() {
  completedNow_ = false;
  const auto done = std::find_if(shelf_.begin(), shelf_.end(), [](const ShelfEntry& e) { return e.current; });
  if (done == shelf_.end()) return;
  const StageProgress progress = ProgressOf(store_.dataList, store_.records);
  QString note = QStringLiteral("「%1」をすべてクリア！ ★%2/%3")
                     .arg(QString::fromStdString(done->label))
                     .arg(progress.stars)
                     .arg(progress.total);
  // The built-in stages lead to the first chapter, a chapter to the one after it.
  const auto next = std::find_if(done + 1, shelf_.end(), [](const ShelfEntry& e) { return e.kind == ShelfEntry::Kind::kChapter; });
  if (done->kind != ShelfEntry::Kind::kFile && next != shelf_.end()) {
    const ShelfEntry following = *next;
    note += QStringLiteral("　つぎは「%1」").arg(QString::fromStdString(following.label));
    RunReportingErrors(dialogs_, [this, &following] { OpenShelfEntry(following); });
  }
  progressNote->setText(note);
  progressNote->show();
}

void MainForm::ShowPreview(int row) {
  previewSolve_.Cancel();
  previewRatingWork_.Cancel();
  previewKey_.clear();
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
  previewView_->Load();
  BuildBoard(play.board, *previewView_);
  previewView_->DrawCharacter(play.playerX, play.playerY, play.facing);
  previewImage->setToolTip(MadeOf(play));
  previewImage->setAccessibleDescription(previewImage->toolTip());
  // The preview's place grows with the zoom; its pixels follow the screen's.
  const qreal ratio = devicePixelRatioF();
  QPixmap preview = QPixmap::fromImage(previewView_->workingBoard().scaled(
      qRound(previewImage->width() * ratio), qRound(previewImage->height() * ratio), Qt::IgnoreAspectRatio,
      Qt::SmoothTransformation));
  preview.setDevicePixelRatio(ratio);
  previewImage->setPixmap(preview);
  const std::optional<StageRecord> record = store_.records.Find(PuzzleKey(line));
  previewBestText->setText(record ? QString::number(record->best) : QStringLiteral("—"));
  previewMark->setText(record && record->star ? QStringLiteral("★") : IsCleared(line) ? QStringLiteral("☆") : QString());
  // The par is kept by the puzzle as the preview starts it, the play's start included.
  previewKey_ = PuzzleKey(line, play.StartedAt()).value_or(std::string());
  const auto known = parByStage_.find(previewKey_);
  if (known != parByStage_.end()) {
    previewPar_ = known->second;
  } else {
    previewPar_ = kParPending;
    previewSolve_.Start(play, [this, key = previewKey_](const SolveResult& answer) {
      const int par = answer.outcome == SolveOutcome::kSolved ? static_cast<int>(answer.ops.size()) : kNoPar;
      // A search that gave up is asked again next time; an answer is kept for the stage's content.
      if (answer.outcome != SolveOutcome::kStopped) parByStage_[key] = par;
      if (key != previewKey_) return;
      previewPar_ = par;
      previewParText->setText(ParShown(previewPar_));
    });
  }
  previewParText->setText(ParShown(previewPar_));
  ShowPreviewRating(play);
}

void MainForm::ShowPreviewRating(const PlayState& start) {
  const auto known = ratingByStage_.find(previewKey_);
  previewRating_ = known != ratingByStage_.end() ? known->second : kParPending;
  if (known == ratingByStage_.end()) {
    previewRatingWork_.Start([start](const std::atomic<bool>* cancel) { return RatingAt(start, cancel); },
                             [this, key = previewKey_](const int& rating) {
                               ratingByStage_[key] = rating;
                               if (key != previewKey_) return;
                               previewRating_ = rating;
                               ShowPreviewRating(previewRating_);
                             });
  }
  ShowPreviewRating(previewRating_);
}

void MainForm::ShowPreviewRating(int rating) {
  previewRatingText->setText(RatingShown(rating));
  // A screen reader reads the number, not the marks.
  previewRatingText->setAccessibleDescription(rating == kParPending ? QString() : QString::number(rating));
}

void MainForm::ShowHintMark() { hintMark->setVisible(game_->hinted && MainImage->isVisible()); }

}  // namespace suispo
