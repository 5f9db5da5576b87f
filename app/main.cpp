// capset: the window Form1 with its three buttons, a menu, the results log
// and the batch; the questions are asked in the prompts that Start and
// Compute open.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app_title.h"
#include "program_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(capset::kOrganisationName);
  QApplication::setApplicationName(capset::kProgramName);
  // The title bar reads the window's own title, without the program's
  // short name after it.
  QApplication::setApplicationDisplayName(QString::fromUtf8(capset::kAppTitle));

  // The toolkit's own words (OK, Cancel) in the user's language: 确定, 取消.
  QTranslator toolkitWords;
  if (toolkitWords.load(QLocale(), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&toolkitWords);
  }

  capset::ProgramWindow program;
  program.window.show();
  // `capset FILE.capjob`, as a double-click on a job file runs it; without a
  // file the window starts empty.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) program.window.OpenJobFrom(arguments.at(1));
  return app.exec();
}
