#include "window_replay.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <iostream>
#include <istream>
#include <ostream>
#include <sstream>

#include "batch_dialog.h"
#include "cap_session.h"
#include "form1.h"
#include "journal.h"
#include "main_window.h"
#include "qt_number_reader.h"
#include "script.h"
#include "sketch_scene.h"
#include "sketch_view.h"

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
// run the handlers; a batch is typed into the batch dialog and its OK
// clicked; an export goes the way of the menu's, less the file dialog.
class WindowTarget : public ScriptTarget {
 public:
  WindowTarget(MainWindow& window, std::ostream& out, std::string sep)
      : window_(window), out_(out), sep_(std::move(sep)) {}
  void ClickStart() override { window_.Form().Command1()->click(); }
  void ClickCompute() override { window_.Form().Command2()->click(); }
  std::string BoxText(int number) const override { return window_.Form().BoxText(number).toStdString(); }

  bool RunCommand(const std::string& line, ScriptLines& lines) override {
    if (line == kBatchLine) {
      BatchDialog& dialog = window_.Batch();
      dialog.SetInput(ReadBatchBlock(lines, out_));
      dialog.OkButton()->click();
      return true;
    }
    if (line == kSceneCommand) {
      if (const auto& scene = window_.Form().Sketch()->Scene()) {
        for (const std::string& element : SceneLines(*scene)) out_ << element << '\n';
      }
      out_ << std::flush;
      return true;
    }
    const std::string word = line.substr(0, line.find(' '));
    const std::string argument = word.size() < line.size() ? line.substr(word.size() + 1) : "";
    if (word == kSaveCommand && !argument.empty()) {
      window_.SaveJobTo(QString::fromStdString(argument));
      return true;
    }
    if (word == kOpenCommand && !argument.empty()) {
      window_.OpenJobFrom(QString::fromStdString(argument));
      return true;
    }
    if (word == kShotCommand && !argument.empty()) {
      // What the user would see: the whole window as it stands, its pending
      // layout done and painted now.
      QApplication::processEvents();
      if (!window_.grab().save(QString::fromStdString(argument), "PNG")) {
        std::cerr << "cap_replay: cannot write " << argument << '\n';
      }
      return true;
    }
    const std::optional<ExportCommand> command = ReadExportLine(line);
    if (!command) return false;
    window_.ExportTo(QString::fromStdString(command->path), command->format);
    return true;
  }

  void PrintEnd(std::ostream& out) override { PrintRows(window_.Session().Log(), sep_, out); }

 private:
  MainWindow& window_;
  std::ostream& out_;
  std::string sep_;
};

}  // namespace

void Replay(std::istream& script, std::ostream& out, const std::string& localeName) {
  DefaultLocaleScope locale(localeName);
  ScriptLines lines(script);
  ScriptedPrompt prompt(lines, out);
  QtNumberReader reader;
  PrintingReporter reporter(out);
  MainWindow window(prompt, reader, reporter, Journal::DefaultFolder());
  SolverPrinter solverPrinter(out);
  window.Session().AddObserver(&solverPrinter);
  window.show();
  WindowTarget target(window, out, reader.DecimalSeparator());
  PlayScript(lines, target, out);
}

std::string Replay(std::istream& script, const std::string& localeName) {
  std::ostringstream out;
  Replay(script, out, localeName);
  return out.str();
}

}  // namespace capset
