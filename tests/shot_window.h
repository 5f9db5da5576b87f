#pragma once
// The main window as the picture programs set it up: answers from an empty
// script, numbers read as the user's locale reads them, errors to stderr,
// notices dropped, a journal of its own in the temporary folder. Not a test.

#include <QDir>
#include <iostream>
#include <sstream>
#include <string>

#include "main_window.h"
#include "qt_number_reader.h"
#include "script.h"

namespace capset::testing {

class ShotWindow {
 public:
  explicit ShotWindow(const char* journal) : window_(prompt_, reader_, reporter_, QDir::temp().filePath(journal)) {}
  MainWindow& Window() { return window_; }
  // What the window's prompts read next, one answer a line.
  void Answers(const std::string& text) { answers_.str(text); }

 private:
  class QuietReporter : public ErrorReporter {
   public:
    void ReportError(const std::string& m) override { std::cerr << m << '\n'; }
    void ReportNotice(const std::string&) override {}
  };
  std::istringstream answers_;
  std::ostringstream prompts_;
  ScriptLines lines_{answers_};
  CommandTable commands_;
  ScriptedPrompt prompt_{lines_, prompts_, commands_};
  QtNumberReader reader_;
  QuietReporter reporter_;
  MainWindow window_;
};

// The folder the pictures go to: the first argument, else the current one.
inline QString ShotFolder(int argc, char* argv[]) {
  return argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
}

}  // namespace capset::testing
