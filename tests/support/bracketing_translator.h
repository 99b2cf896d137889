// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A translation that brackets every text asked of it, installed for a test's scope: what comes out
// bracketed went through Qt's translation, and in whole pieces.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace suispo::test {

class BracketingTranslator : public QTranslator {
 public:
  BracketingTranslator() { QCoreApplication::installTranslator(this); }
  ~BracketingTranslator() override { QCoreApplication::removeTranslator(this); }
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
    return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
  }
};

}  // namespace suispo::test
