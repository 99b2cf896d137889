// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The name plate's verdict after a clear: worded by the window from the record's values, each
// piece through Qt's translation; the game's translations travel inside the program.
#include <gtest/gtest.h>

#include <QFile>
#include <QTranslator>

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

TEST(VerdictText, InEnglishAMoveCountTakesItsPlural) {
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/suispo_en.qm")));
  QCoreApplication::installTranslator(&english);
  ClearVerdict one;
  one.moves = 1;
  one.par = 1;
  one.star = true;
  ClearVerdict seven;
  seven.moves = 7;
  seven.par = 5;
  EXPECT_EQ(VerdictText(one), QStringLiteral("Cleared in 1 move (par 1)★"));
  EXPECT_EQ(VerdictText(seven), QStringLiteral("Cleared in 7 moves (par 5)"));
  QCoreApplication::removeTranslator(&english);
}

TEST(GameTexts, TheTranslationsAreCompiledIntoTheProgram) {
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/suispo_ja.qm")));
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/suispo_en.qm")));
}

}  // namespace
}  // namespace suispo::test
