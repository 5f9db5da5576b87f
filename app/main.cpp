// capset: one window, three buttons; everything else happens in the prompts
// that Start and Compute open.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "program_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("capset");

  // The toolkit's own words (OK, Cancel) in the user's language: 确定, 取消.
  QTranslator toolkitWords;
  if (toolkitWords.load(QLocale(), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&toolkitWords);
  }

  capset::ProgramWindow program;
  capset::Form1& window = program.window;

  window.show();
  return app.exec();
}
