#include "replay.h"

#include <QLocale>
#include <QPushButton>
#include <QString>
#include <istream>
#include <ostream>
#include <sstream>

#include "form1.h"
#include "qt_number_reader.h"
#include "replay_seam.h"

namespace capset {
namespace {

// Restores the default locale of the process when a replay ends, so replays
// in one test program do not leak their locale into each other.
class DefaultLocaleScope {
 public:
  explicit DefaultLocaleScope(const std::string& name) {
    QLocale::setDefault(QLocale(QString::fromStdString(name)));
  }
  ~DefaultLocaleScope() { QLocale::setDefault(saved_); }
  DefaultLocaleScope(const DefaultLocaleScope&) = delete;
  DefaultLocaleScope& operator=(const DefaultLocaleScope&) = delete;

 private:
  QLocale saved_;
};

}  // namespace

void Replay(std::istream& script, std::ostream& out,
            const std::string& locale_name) {
  DefaultLocaleScope locale(locale_name);

  ScriptLines lines(script);
  ScriptedPrompt prompt(lines, out);
  QtNumberReader reader;
  PrintingReporter reporter(out);
  Form1 window(prompt, reader, reporter);
  QObject::connect(&window, &Form1::solverChosen, [&out](const QString& name) {
    out << "SOLVER " << name.toStdString() << '\n' << std::flush;
  });
  window.show();

  // The buttons are clicked as a user clicks them, so the window's own slots
  // run the handlers.
  while (std::optional<std::string> line = lines.Next()) {
    if (*line == kStartLine) {
      window.command1()->click();
    } else if (*line == kComputeLine) {
      window.command2()->click();
    } else {
      out << "IGNORED " << *line << '\n' << std::flush;
    }
  }

  for (int number = 1; number <= Form1::kBoxCount; ++number) {
    out << "Text" << number << '=' << window.boxText(number).toStdString()
        << '\n';
  }
  out << std::flush;
}

std::string Replay(std::istream& script, const std::string& locale_name) {
  std::ostringstream out;
  Replay(script, out, locale_name);
  return out.str();
}

}  // namespace capset
