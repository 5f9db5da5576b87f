#include "window_replay.h"

#include <QLocale>
#include <QPushButton>
#include <QString>
#include <istream>
#include <ostream>
#include <sstream>

#include "form1.h"
#include "qt_number_reader.h"
#include "script.h"

namespace capset {
namespace {

// Restores the default locale of the process when a replay ends, so replays
// in one test program do not leak their locale into each other.
class DefaultLocaleScope {
 public:
  explicit DefaultLocaleScope(const std::string& name) { QLocale::setDefault(QLocale(QString::fromStdString(name))); }
  ~DefaultLocaleScope() { QLocale::setDefault(saved_); }
  DefaultLocaleScope(const DefaultLocaleScope&) = delete;
  DefaultLocaleScope& operator=(const DefaultLocaleScope&) = delete;

 private:
  QLocale saved_;
};

// The buttons are clicked as a user clicks them, so the window's own slots
// run the handlers.
class WindowTarget : public ScriptTarget {
 public:
  explicit WindowTarget(Form1& window) : window_(window) {}
  void ClickStart() override { window_.Command1()->click(); }
  void ClickCompute() override { window_.Command2()->click(); }
  std::string BoxText(int number) const override { return window_.BoxText(number).toStdString(); }

 private:
  Form1& window_;
};

}  // namespace

void Replay(std::istream& script, std::ostream& out, const std::string& localeName) {
  DefaultLocaleScope locale(localeName);
  ScriptLines lines(script);
  ScriptedPrompt prompt(lines, out);
  QtNumberReader reader;
  PrintingReporter reporter(out);
  Form1 window(prompt, reader, reporter);
  SolverPrinter solverPrinter(out);
  window.Session().AddObserver(&solverPrinter);
  window.show();
  WindowTarget target(window);
  PlayScript(lines, target, out);
}

std::string Replay(std::istream& script, const std::string& localeName) {
  std::ostringstream out;
  Replay(script, out, localeName);
  return out.str();
}

}  // namespace capset
