// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Message texts with their blanks filled in, and the English log line of an error.
#include "core/text/game_error.h"

namespace suispo {
namespace {

// For logs and debuggers only: the player reads the wording of view/message_text.cpp.
const char* LogPattern(MessageId id) {
  switch (id) {
    case MessageId::kCannotOpenFile: return "cannot open file %s";
    case MessageId::kFileTooLarge: return "file %s is too large";
    case MessageId::kNotTextFile: return "file %s is no text file";
    case MessageId::kLineTooLong: return "file %s: line %d is too long";
    case MessageId::kTooManyLines: return "file %s has too many lines";
    case MessageId::kNotAnInteger: return "'%s' is no integer";
    case MessageId::kCannotWrite: return "cannot write %s";
    case MessageId::kCannotCreateFile: return "cannot create file %s";
    case MessageId::kChangedSinceRead: return "file %s changed since it was read: not saved";
    case MessageId::kReadOnly: return "file %s is read-only: not saved";
    case MessageId::kRecordsChangedSinceRead: return "file %s changed since it was read: records not saved";
    case MessageId::kRecordsReadOnly: return "file %s is read-only: records not saved";
    case MessageId::kRecordsUnreadable: return "cannot read file %s: records not saved";
    case MessageId::kCannotReadPicture: return "cannot read picture %s (%s)";
    case MessageId::kCodeTooLong: return "the code is too long: a stage code has at most %d characters";
    case MessageId::kCodeBadCharacter: return "character %d of the code is no letter or digit";
    case MessageId::kNotACode: return "this is no stage code: a stage code starts with S1";
    case MessageId::kCodeNewerVersion: return "the code is of a newer version (%s) than this game reads";
    case MessageId::kCodeWrongLength: return "the code is cut short or has characters too many";
    case MessageId::kCodeCheckFailed: return "the code does not check: a character is mistyped, missing or doubled";
    case MessageId::kCodeBadStage: return "the code holds no stage this game can play";
    case MessageId::kTooLargeToSave: return "file %s would grow too large: not saved";
    case MessageId::kDiskFull: return "the disk is full: %s not saved";
    case MessageId::kForeignLink: return "the path of %s passes a link that is not yours: not written";
    case MessageId::kFileBusy: return "file %s is in use by another program: not saved yet";
    case MessageId::kRecordsTooLarge: return "file %s is too large: records not saved";
  }
  return "error";
}

}  // namespace

GameError::GameError(MessageId id, std::vector<std::string> args)
    : std::runtime_error(FormatMessage(LogPattern(id), args)), id(id), args(std::move(args)) {}

std::string FormatMessage(std::string_view pattern, const std::vector<std::string>& args) {
  std::string text;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool blank = pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd');
    if (blank && next != args.end()) {
      text += *next++;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace suispo
