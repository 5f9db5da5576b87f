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
#include "blanks.h"
#include "cap_session.h"
#include "file_texts.h"
#include "form1.h"
#include "journal.h"
#include "main_window.h"
#include "qt_number_reader.h"
#include "script.h"
#include "script_commands.h"
#include "sheet_printing.h"
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
// clicked; a job is saved, opened and exported the way of the menu's, less
// the file dialog.
class WindowTarget : public ScriptTarget {
 public:
  WindowTarget(MainWindow& window, CommandTable& commands, std::ostream& out, const NumberReader& reader)
      : window_(window), commands_(commands), sep_(reader.DecimalSeparator()), context_{window.Session(), out, reader, &window.Store()} {
    actions_.start = [this] { window_.Form().Command1()->click(); };
    actions_.compute = [this] { window_.Form().Command2()->click(); };
    actions_.batch = [this](const BatchInput& input) {
      BatchDialog& dialog = window_.Batch();
      dialog.SetInput(input);
      dialog.OkButton()->click();
    };
    actions_.save = [this](const std::string& path) { window_.SaveJobTo(QString::fromStdString(path)); };
    actions_.open = [this](const std::string& path) { window_.OpenJobFrom(QString::fromStdString(path)); };
    actions_.quit = [this] { return window_.close(); };
    actions_.exportTo = [this](const std::string& path, ExportFormat format) {
      window_.ExportTo(QString::fromStdString(path), format);
    };
    actions_.exportPoints = [this](const std::string& path, InstrumentFormat format, const std::string& bridge,
                                   const std::vector<std::string>& bents) {
      window_.ExportPointsTo(QString::fromStdString(path), format, bridge, bents);
    };
    actions_.exportTable = [this](const std::string& path, ExportFormat format,
                                  const std::vector<StationTableRow>& rows) {
      window_.ExportTableTo(QString::fromStdString(path), format, rows);
    };
    actions_.exportBridges = [this](const std::string& path, ExportFormat format, const std::string& bridge,
                                    const std::vector<std::string>& bents) {
      window_.ExportBridgesTo(QString::fromStdString(path), format, bridge, bents);
    };
    actions_.scene = [this]() -> const SketchScene* {
      const auto& scene = window_.Form().Sketch()->Scene();
      return scene ? &*scene : nullptr;
    };
    actions_.shot = [this](const std::string& path) {
      // What the user would see: the whole window as it stands, its pending
      // layout done and painted now. A layout may post more work as it goes
      // (a scroll once an area has its new size): a few rounds settle it.
      for (int round = 0; round < 8; ++round) QApplication::processEvents();
      if (!window_.grab().save(QString::fromStdString(path), "PNG")) {
        std::cerr << "cap_replay: cannot write " << path << '\n';
      }
    };
    actions_.importLandXml = [this](const std::string& path, const std::optional<std::string>& name) {
      window_.ImportRoadFrom(QString::fromStdString(path), name, false);
    };
    actions_.exportLandXml = [this](const std::string& path) { window_.ExportRoadTo(QString::fromStdString(path)); };
    actions_.print = [this](const std::string& path, const std::vector<Sheet>& sheets) {
      return WriteWindowSheets(window_, path, sheets);
    };
    AddScriptCommands(commands_, actions_, context_);
  }

  const CommandTable& Commands() const override { return commands_; }
  std::string BoxText(int number) const override { return window_.Form().BoxText(number).toStdString(); }
  void PrintEnd(std::ostream& out) override { PrintRows(window_.Session().Log(), sep_, out); }

 private:
  MainWindow& window_;
  CommandTable& commands_;
  std::string sep_;
  TargetActions actions_;
  ScriptContext context_;
};

}  // namespace

void Replay(std::istream& script, std::ostream& out, const ReplayOptions& options) {
  DefaultLocaleScope locale(options.locale);
  ScriptLines lines(script);
  CommandTable commands;
  ScriptedPrompt prompt(lines, out, commands);
  QtNumberReader reader;
  PrintingReporter reporter(out);
  MainWindow window(prompt, reader, reporter,
                    options.dayFolder.empty() ? Journal::DefaultFolder() : QString::fromStdString(options.dayFolder));
  if (options.now) window.Session().Log().SetClock([now = *options.now] { return now; });
  SolverPrinter solverPrinter(out);
  window.Session().AddObserver(&solverPrinter);
  // A save that needs a file asks for it in words, as the dialogue target does.
  window.SetSavePathAsker([&prompt]() -> std::optional<QString> {
    const std::optional<std::string> path = prompt.Ask(kSaveJobPathPrompt);
    if (!path) return std::nullopt;
    return QString::fromStdString(std::string(TrimBlanks(*path)));
  });
  window.show();
  WindowTarget target(window, commands, out, reader);
  PlayScript(lines, target, out);
}

void Replay(std::istream& script, std::ostream& out, const std::string& localeName) {
  Replay(script, out, ReplayOptions{.locale = localeName});
}

std::string Replay(std::istream& script, const ReplayOptions& options) {
  std::ostringstream out;
  Replay(script, out, options);
  return out.str();
}

std::string Replay(std::istream& script, const std::string& localeName) {
  return Replay(script, ReplayOptions{.locale = localeName});
}

}  // namespace capset
