// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The shelf of stage files and their progress.
#include "app/window/stage_shelf.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <filesystem>

#include "app/store/file_paths.h"
#include "core/files/stage_file.h"
#include "core/text/game_error.h"
#include "view/literal_text.h"

namespace suispo {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return !a.empty() && !b.empty() && (a == b || std::filesystem::equivalent(a, b, error));
}

// "第1章 壁" is "1 壁" in the chooser, which is narrow, and "Chapter 1: Walls" "1 Walls"; other
// names stay as they are.
QString ShortLabel(const std::string& label) {
  QString text = QString::fromStdString(label);
  const QString chapterMark = QString(QChar(0x7AE0)) + QLatin1Char(' ');  // 章 and a space
  if (text.startsWith(QChar(0x7B2C)) && text.contains(chapterMark)) {     // 第
    text = text.mid(1).replace(chapterMark, QStringLiteral(" "));
  }
  static const QRegularExpression english(QStringLiteral("^Chapter (\\d+): "));
  text.replace(english, QStringLiteral("\\1 "));
  return text;
}

}  // namespace

QString ChapterLabel(const std::string& label) {
  return QCoreApplication::translate("Chapter", label.c_str());
}

namespace {

std::string FileLabel(const std::string& path) {
  QString name = QFile::decodeName(BareName(path).c_str());
  if (name.endsWith(QStringLiteral(".ssp"))) name.chop(4);
  return name.toStdString();
}

}  // namespace

std::vector<ShelfEntry> ShelfOf(const StageStore& store, const std::string& chapterFolder) {
  const std::string current = store.CurrentPath();
  const bool builtin = store.ShowsBuiltinStages();
  std::vector<ShelfEntry> shelf;
  const QString first = QCoreApplication::translate("suispo::StageShelf", "はじめ");
  shelf.push_back({ShelfEntry::Kind::kBuiltin, "", {}, first.toStdString(), builtin});
  std::vector<std::string> copies;
  for (const Chapter& chapter : ChaptersIn(chapterFolder)) {
    const std::string copy = store.StageFolder() + BareName(chapter.path);
    copies.push_back(BareName(chapter.path));
    shelf.push_back({ShelfEntry::Kind::kChapter, copy, chapter, ChapterLabel(chapter.label).toStdString(), !builtin && SameFile(copy, current)});
  }
  for (const std::string& file : store.OwnStageFiles(copies)) {
    shelf.push_back({ShelfEntry::Kind::kFile, file, {}, FileLabel(file), !builtin && SameFile(file, current)});
  }
  const bool listed = std::any_of(shelf.begin(), shelf.end(), [](const ShelfEntry& e) { return e.current; });
  if (!listed && !current.empty()) shelf.push_back({ShelfEntry::Kind::kFile, current, {}, FileLabel(current), true});
  return shelf;
}

StageProgress ProgressOfFile(const std::string& path, const PlayRecords& records) {
  try {
    return ProgressOf(ReadStageFile(path), records);
  } catch (const GameError&) {
    return {};  // a file that does not read shows no progress
  }
}

std::optional<std::string> ProgressSource(const ShelfEntry& entry) {
  if (entry.current) return std::nullopt;
  if (entry.kind == ShelfEntry::Kind::kBuiltin) return std::string();
  // A chapter never opened counts from the shipped file.
  const bool copied = entry.kind != ShelfEntry::Kind::kChapter || IsRegularFile(entry.path);
  return copied ? entry.path : entry.chapter.path;
}

QString ShelfLabel(const ShelfEntry& entry, const StageProgress& progress) {
  // A name shown literally: its "&" marks no shortcut, its TAB starts no shortcut column.
  const QString label = LiteralCaption(
      entry.kind == ShelfEntry::Kind::kChapter ? ShortLabel(entry.label) : QString::fromStdString(entry.label));
  return progress.total > 0 ? QString::fromStdString(WithProgress(label.toStdString(), progress)) : label;
}

}  // namespace suispo
