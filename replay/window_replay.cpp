#include "window_replay.h"

#include <QLocale>
#include <QPushButton>
#include <QString>
#include <istream>
#include <ostream>
#include <sstream>

#include <QPixmap>
#include <iostream>

#include "form1.h"
#include "sketch_scene.h"
#include "sketch_view.h"
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
  WindowTarget(Form1& window, std::ostream& out) : window_(window), out_(out) {}
  void ClickStart() override { window_.Command1()->click(); }
  void ClickCompute() override { window_.Command2()->click(); }
  std::string BoxText(int number) const override { return window_.BoxText(number).toStdString(); }

  bool RunCommand(const std::string& line, ScriptLines&) override {
    const std::string word = line.substr(0, line.find(' '));
    const std::string argument = word.size() < line.size() ? line.substr(word.size() + 1) : "";
    if (word == kShotCommand && !argument.empty()) {
      // What the user would see: the window as it stands, painted now.
      if (!window_.grab().save(QString::fromStdString(argument), "PNG")) {
        std::cerr << "cap_replay: cannot write " << argument << '\n';
      }
      return true;
    }
    if (line == kSceneCommand) {
      if (const auto& scene = window_.Sketch()->Scene()) {
        for (const std::string& element : SceneLines(*scene)) out_ << element << '\n';
      }
      out_ << std::flush;
      return true;
    }
    return false;
  }

 private:
  Form1& window_;
  std::ostream& out_;
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
  WindowTarget target(window, out);
  PlayScript(lines, target, out);
}

std::string Replay(std::istream& script, const std::string& localeName) {
  std::ostringstream out;
  Replay(script, out, localeName);
  return out.str();
}

}  // namespace capset
