// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// An error that reaches the player: which message it is and the words filled into it. The program
// that shows it words it in the player's language (view/message_text.h); what() is an English line
// for logs.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace suispo {

// One per message the player can read; view/message_text.cpp holds their wording.
enum class MessageId {
  kCannotOpenFile,            // the file
  kFileTooLarge,              // the file
  kNotTextFile,               // the file
  kLineTooLong,               // the file, the line counted from 1
  kTooManyLines,              // the file
  kNotAnInteger,              // the wall-points field as written
  kCannotWrite,               // the file
  kCannotCreateFile,          // the file
  kChangedSinceRead,          // the stage file
  kReadOnly,                  // the stage file
  kRecordsChangedSinceRead,   // the records file
  kRecordsReadOnly,           // the records file
  kRecordsUnreadable,         // the records file
  kCannotReadPicture,         // the picture's file, its expected size
  kCodeTooLong,               // (a share code: core/files/share_code.h) the longest a code can be
  kCodeBadCharacter,          // the character's place, counted from 1
  kNotACode,                  // none
  kCodeNewerVersion,          // the version marker as written
  kCodeWrongLength,           // none
  kCodeCheckFailed,           // none
  kCodeBadStage,              // none
  kTooLargeToSave,            // the file: a save would grow it past what the game reads back
  kDiskFull,                  // the file
  kForeignLink,               // the file: its path passes a link that is not the player's
  kFileBusy,                  // the file: another program holds it or is writing it; saved later
  kRecordsTooLarge,           // the records file
};

class GameError : public std::runtime_error {
 public:
  GameError(MessageId id, std::vector<std::string> args);
  MessageId id;
  std::vector<std::string> args;  // UTF-8, in the order the message takes them
};

// Replaces each "%s" and "%d" of pattern, in order, by the next argument.
std::string FormatMessage(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace suispo
