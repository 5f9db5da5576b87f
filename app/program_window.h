#pragma once
// The window as the program shows it: the main window around Form1, wired
// to the Qt side of the seam, the prompt and the error reports opening over
// it, the day files in the user's data folder, its size and place and the
// log's kept in the user's settings.

#include <QSettings>

#include "journal.h"
#include "main_window.h"
#include "qt_error_reporter.h"
#include "qt_number_reader.h"
#include "qt_prompt.h"

namespace capset {

struct ProgramWindow {
  ProgramWindow() {
    prompt.SetParentWindow(&window);
    reporter.SetParentWindow(&window);
    window.RememberLayout(settings);
  }

  // The application's settings (the organisation and application names
  // are set before the window is made).
  QSettings settings;
  QtPrompt prompt;
  QtNumberReader reader;
  QtErrorReporter reporter;
  MainWindow window{prompt, reader, reporter, Journal::DefaultFolder()};
};

}  // namespace capset
