// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The program's entry: the command line, the application object, the main window under the error
// report, the loop.
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include "app/store/program_places.h"
#include "app/store/stage_store.h"
#include "app/program/command_line.h"
#include "app/platform/desktop_opener.h"
#include "app/window/error_report.h"
#include "app/program/error_reporting_application.h"
#include "app/window/main_form.h"
#include "app/window/qt_dialogs.h"
#include "app/platform/qt_japanese.h"
#include "app/program/termination_signal.h"
#include "view/program_messages.h"
#include "view/steady_frame_clock.h"

int main(int argc, char** argv) {
  // The command line is answered before Qt starts, so --help, --version and a wrong command line
  // need no display; Qt gets no arguments of its own (its QT_* variables still work).
  const suispo::CommandLine line = suispo::ParseCommandLine(suispo::ArgumentsOf(argc, argv));
  if (line.action != suispo::CommandLine::Action::kRun) {
    // --help in the language of the settings: a core application (no display) carries its texts.
    int coreArgc = 1;
    const QCoreApplication core(coreArgc, argv);
    QTranslator texts;
    suispo::StageStore settings(suispo::PlacesOfThisProgram().store, suispo::CurrentLocalTime);
    settings.ReadSettingsFile();
    suispo::InstallGameTexts(settings.language, texts);
    return suispo::AnswerWithoutWindow(line);
  }
  // Qt's warnings (a missing XDG_RUNTIME_DIR, a library's complaint) say whose they are.
  suispo::PrefixQtMessages("suispo: ");
  int qtArgc = 1;
  suispo::QtDialogs dialogs;
  suispo::ErrorReportingApplication app(qtArgc, argv, dialogs);
  const suispo::ProgramPlaces places = suispo::PlacesOfThisProgram();
  // The texts are chosen before the window is built: a language chosen in the menu holds from the next start.
  QTranslator qtTexts;
  QTranslator gameTexts;
  suispo::StageStore store(places.store, suispo::CurrentLocalTime);
  store.ReadSettingsFile();
  const suispo::Language language = store.language;
  suispo::InstallTexts(language, qtTexts, gameTexts);
  const QString helpPage = QFile::decodeName(suispo::HelpPageIn(places.helpPage, language).c_str());

  suispo::SteadyFrameClock clock;
  std::unique_ptr<suispo::MainForm> form;
  // Start-up runs under the same report as the handlers; a stage file that cannot be read
  // still leaves the window up, with Game > Open to choose another.
  suispo::RunReportingErrors(dialogs, [&] {
    form = std::make_unique<suispo::MainForm>(suispo::MainFormParts{
        places.store, helpPage, suispo::CurrentLocalTime, &dialogs, &clock,
        suispo::OpenWithDesktop, places.chapterFolder, language, {}, &store});
    form->FormCreate();
  });
  // A file named on the command line replaces the remembered one, as Game > Open would.
  if (form && line.stageFile) {
    suispo::RunReportingErrors(dialogs, [&] { form->OpenStageFile(*line.stageFile); });
  }
  if (form) {
    suispo::CloseOnTerminationSignal(form.get());
    form->show();
    app.exec();
  }
  return 0;
}
