// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A Qt message handler that puts the program's name before each line.
#include "view/program_messages.h"

#include <cstdio>

#include <QString>
#include <QtGlobal>

namespace suispo {
namespace {

const char* prefix_ = "";  // set once, before Qt prints anything

void PrintPrefixed(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // Formatted as Qt would (QT_MESSAGE_PATTERN, when set, still holds), then named.
  const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
  std::fprintf(stderr, "%s%s\n", prefix_, text.constData());
  std::fflush(stderr);
}

}  // namespace

void PrefixQtMessages(const char* prefix) {
  prefix_ = prefix;
  qInstallMessageHandler(PrintPrefixed);
}

}  // namespace suispo
