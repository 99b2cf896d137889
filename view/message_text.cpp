// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// One row per message: its Japanese text with its blanks, read by lupdate in the context "Message".
#include "view/message_text.h"

#include <QCoreApplication>

namespace suispo {
namespace {

constexpr const char* kContext = "Message";

// A translation keeps the blanks (%s, %d) in the same order.
const char* Pattern(MessageId id) {
  switch (id) {
    case MessageId::kCannotOpenFile: return QT_TRANSLATE_NOOP("Message", "ファイル %s は開けません");
    case MessageId::kFileTooLarge: return QT_TRANSLATE_NOOP("Message", "ファイル %s は大きすぎます");
    case MessageId::kNotTextFile: return QT_TRANSLATE_NOOP("Message", "ファイル %s はテキストファイルではありません");
    case MessageId::kLineTooLong: return QT_TRANSLATE_NOOP("Message", "ファイル %s の %d 行目が長すぎます");
    case MessageId::kTooManyLines: return QT_TRANSLATE_NOOP("Message", "ファイル %s は行が多すぎます");
    case MessageId::kNotAnInteger: return QT_TRANSLATE_NOOP("Message", "'%s' は整数ではありません");
    case MessageId::kCannotWrite: return QT_TRANSLATE_NOOP("Message", "%s に書き込めません");
    case MessageId::kCannotCreateFile: return QT_TRANSLATE_NOOP("Message", "ファイル %s を作成できません");
    case MessageId::kChangedSinceRead:
      return QT_TRANSLATE_NOOP("Message", "ファイル %s は読み込んだ後に変更されたため、保存しませんでした");
    case MessageId::kReadOnly: return QT_TRANSLATE_NOOP("Message", "ファイル %s は読み取り専用のため、保存しませんでした");
    case MessageId::kRecordsChangedSinceRead:
      return QT_TRANSLATE_NOOP("Message", "ファイル %s は読み込んだ後に変更されたため、記録を保存しませんでした");
    case MessageId::kRecordsReadOnly:
      return QT_TRANSLATE_NOOP("Message", "ファイル %s は読み取り専用のため、記録を保存しませんでした");
    case MessageId::kRecordsUnreadable:
      return QT_TRANSLATE_NOOP("Message", "ファイル %s を読めないため、記録を保存しませんでした");
    case MessageId::kCannotReadPicture: return QT_TRANSLATE_NOOP("Message", "画像 %s を読み込めません (%s)");
    case MessageId::kCodeTooLong: return QT_TRANSLATE_NOOP("Message", "コードが長すぎます（ステージのコードは %d 文字まで）");
    case MessageId::kCodeBadCharacter:
      return QT_TRANSLATE_NOOP("Message", "コードの %d 文字目が英字でも数字でもありません");
    case MessageId::kNotACode: return QT_TRANSLATE_NOOP("Message", "ステージのコードではありません（コードは S1 で始まります）");
    case MessageId::kCodeNewerVersion:
      return QT_TRANSLATE_NOOP("Message", "このゲームより新しい版 (%s) のコードです");
    case MessageId::kCodeWrongLength:
      return QT_TRANSLATE_NOOP("Message", "コードの長さが合いません（途中で切れているか、文字が余分です）");
    case MessageId::kCodeCheckFailed:
      return QT_TRANSLATE_NOOP("Message", "コードが正しくありません（打ち間違いか、文字の抜けや重なりがあります）");
    case MessageId::kCodeBadStage: return QT_TRANSLATE_NOOP("Message", "このコードは遊べるステージを表していません");
    case MessageId::kTooLargeToSave:
      return QT_TRANSLATE_NOOP("Message", "ファイル %s は保存すると大きくなりすぎるため、保存しませんでした");
    case MessageId::kDiskFull: return QT_TRANSLATE_NOOP("Message", "ディスクがいっぱいのため、%s を保存できませんでした");
    case MessageId::kForeignLink:
      return QT_TRANSLATE_NOOP("Message", "%s への道筋にあなたのものでないリンクがあるため、書き込みませんでした");
    case MessageId::kFileBusy:
      return QT_TRANSLATE_NOOP("Message", "ファイル %s は他のプログラムが使用中のため、まだ保存していません。次の機会に保存します");
    case MessageId::kRecordsTooLarge:
      return QT_TRANSLATE_NOOP("Message", "ファイル %s は大きすぎるため、記録を保存しませんでした");
  }
  return nullptr;
}

}  // namespace

QString MessageText(const GameError& error) {
  const char* pattern = Pattern(error.id);
  if (pattern == nullptr) return QString::fromUtf8(error.what());
  const QString worded = QCoreApplication::translate(kContext, pattern);
  return QString::fromStdString(FormatMessage(worded.toStdString(), error.args));
}

}  // namespace suispo
