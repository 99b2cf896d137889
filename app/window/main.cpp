// The program's entry: the application object, the main window under the error report, the loop.
#include <memory>

#include <QTranslator>

#include "app/store/stage_store.h"
#include "desktop_opener.h"
#include "error_report.h"
#include "error_reporting_application.h"
#include "main_form.h"
#include "qt_dialogs.h"
#include "qt_japanese.h"
#include "view/steady_frame_clock.h"

int main(int argc, char** argv) {
  suispo::QtDialogs dialogs;
  suispo::ErrorReportingApplication app(argc, argv, dialogs);
  QTranslator japanese;
  suispo::InstallQtJapanese(japanese);
  suispo::SteadyFrameClock clock;
  std::unique_ptr<suispo::MainForm> form;
  // Start-up runs under the same report as the handlers; a stage file that cannot be read
  // still leaves the window up, with Game > Open to choose another.
  suispo::RunReportingErrors(dialogs, [&] {
    form = std::make_unique<suispo::MainForm>(suispo::MainFormParts{
        suispo::ProgramDirectory(), suispo::CurrentLocalTime, &dialogs, &clock,
        suispo::OpenWithDesktop});
    form->FormCreate();
  });
  if (form) {
    form->show();
    app.exec();
  }
  return 0;
}
