// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The error report: its text rule, its box, and the application catching what escapes an event.
#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include "app/window/error_report.h"
#include "core/text/game_error.h"
#include "core/text/several_errors.h"
#include "tests/app/window/fake_dialogs.h"

namespace suispo::test {
namespace {

TEST(ErrorReportText, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  // Japanese endings and letters sort after "." and get one.
  EXPECT_EQ(ErrorReportText(QStringLiteral("'x1' は整数ではありません")), QStringLiteral("'x1' は整数ではありません."));
  EXPECT_EQ(ErrorReportText(QStringLiteral("ファイル a.ssp を作成できません")),
            QStringLiteral("ファイル a.ssp を作成できません."));
  EXPECT_EQ(ErrorReportText(QStringLiteral("abc")), QStringLiteral("abc."));
  EXPECT_EQ(ErrorReportText(QStringLiteral("/tmp/dir/")), QStringLiteral("/tmp/dir/."));  // "/" follows "."
  EXPECT_EQ(ErrorReportText(QStringLiteral("smile 😀")), QStringLiteral("smile 😀."));
  // "." itself and what sorts before it are left alone.
  EXPECT_EQ(ErrorReportText(QStringLiteral("done.")), QStringLiteral("done."));
  EXPECT_EQ(ErrorReportText(QStringLiteral("what!")), QStringLiteral("what!"));
  EXPECT_EQ(ErrorReportText(QStringLiteral("a-")), QStringLiteral("a-"));
  EXPECT_EQ(ErrorReportText(QStringLiteral("trailing ")), QStringLiteral("trailing "));
  EXPECT_EQ(ErrorReportText(QString()), QString());
}

TEST(RunReportingErrors, ShowsTheErrorUnderTheTitleAndGoesOn) {
  FakeDialogs& dialogs = TestDialogs();
  dialogs.Reset();
  bool after = false;
  EXPECT_FALSE(RunReportingErrors(dialogs, [&] {
    throw GameError(MessageId::kCannotOpenFile, {"x.ssp"});
    after = true;
  }));
  EXPECT_FALSE(after);
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0].caption, QStringLiteral("すいすいぽ。"));
  EXPECT_EQ(dialogs.errors[0].text, QStringLiteral("ファイル x.ssp は開けません."));

  EXPECT_TRUE(RunReportingErrors(dialogs, [] {}));
  EXPECT_EQ(dialogs.errors.size(), 1u);
}

TEST(RunReportingErrors, TellsEveryErrorOfSeveralInOneBox) {
  FakeDialogs& dialogs = TestDialogs();
  dialogs.Reset();
  RunReportingErrors(dialogs, [] {
    ThrowErrors({std::make_exception_ptr(GameError(MessageId::kCannotOpenFile, {"x.ssp"})),
                 std::make_exception_ptr(GameError(MessageId::kCannotOpenFile, {"y.txt"}))});
  });
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0].text, QStringLiteral("ファイル x.ssp は開けません.\nファイル y.txt は開けません."));
}

// An object whose event handler fails, as a handler meeting an unreadable file would.
class FailingObject : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw GameError(MessageId::kCannotOpenFile, {"y.ssp"});
    return QObject::event(event);
  }
};

TEST(ErrorReportingApplication, ReportsAnErrorEscapingAnEventAndKeepsDispatching) {
  FakeDialogs& dialogs = TestDialogs();
  dialogs.Reset();
  FailingObject object;
  QEvent failing(QEvent::User);
  QCoreApplication::sendEvent(&object, &failing);
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0].text, QStringLiteral("ファイル y.ssp は開けません."));

  QEvent fine(QEvent::DynamicPropertyChange);
  EXPECT_NO_THROW(QCoreApplication::sendEvent(&object, &fine));
  EXPECT_EQ(dialogs.errors.size(), 1u);
}

}  // namespace
}  // namespace suispo::test
