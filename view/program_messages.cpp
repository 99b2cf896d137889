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

void PrintPrefixed(QtMsgType, const QMessageLogContext&, const QString& message) {
  const QByteArray text = message.toLocal8Bit();
  std::fprintf(stderr, "%s%s\n", prefix_, text.constData());
  std::fflush(stderr);
}

}  // namespace

void PrefixQtMessages(const char* prefix) {
  prefix_ = prefix;
  qInstallMessageHandler(PrintPrefixed);
}

}  // namespace suispo
