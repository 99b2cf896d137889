// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The name plate's verdict after a clear: worded by the window from the record's values, each
// piece through Qt's translation; the game's translations travel inside the program.
#include <gtest/gtest.h>

#include <QFile>

#include "app/window/verdict_text.h"
#include "tests/support/bracketing_translator.h"

namespace suispo::test {
namespace {

TEST(VerdictText, EveryPieceIsTranslatedAndTheStarIsAMark) {
  ClearVerdict atPar;
  atPar.moves = 6;
  atPar.par = 6;
  atPar.star = true;
  atPar.newBest = true;
  ClearVerdict hinted = atPar;
  hinted.star = false;
  hinted.hintWithheldStar = true;
  BracketingTranslator bracketing;
  EXPECT_EQ(VerdictText(atPar), QStringLiteral("<6手でクリア><（最短 6手）>★< 新記録！>"));
  EXPECT_EQ(VerdictText(hinted), QStringLiteral("<6手でクリア>< ヒントを使ったので★はつきません>< 新記録！>"));
}

TEST(GameTexts, TheTranslationsAreCompiledIntoTheProgram) {
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/suispo_ja.qm")));
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/suispo_en.qm")));
}

}  // namespace
}  // namespace suispo::test
