// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Opening a document through xdg-open in a detached process, watched for a failure to report.
#include "app/platform/desktop_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace suispo {

void OpenWithDesktop(const QUrl& url, std::function<void()> whenFailed) {
  const auto failed = [whenFailed] {
    if (whenFailed) whenFailed();
  };
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) {
    // Qt then tries the launchers it knows; it can only tell whether one was found and started.
    if (!QDesktopServices::openUrl(url)) failed();
    return;
  }
  // xdg-open ends with an error when no viewer takes the document, and Qt's detached start would
  // not tell. The process is left to run on its own: it may last as long as the viewer, even past
  // the game's end, and is deleted once it has ended.
  auto* process = new QProcess();
  process->setProcessChannelMode(QProcess::ForwardedChannels);  // a chatty viewer never fills a pipe
  QObject::connect(process, &QProcess::finished, [process, failed](int code, QProcess::ExitStatus status) {
    process->deleteLater();
    if (status != QProcess::NormalExit || code != 0) failed();
  });
  QObject::connect(process, &QProcess::errorOccurred, [process, failed](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    process->deleteLater();
    failed();
  });
  process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

}  // namespace suispo
