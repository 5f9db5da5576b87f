#pragma once
// The window as the program shows it: Form1 wired to the Qt side of the
// seam, the prompt and the error reports opening over the window.

#include "form1.h"
#include "qt_error_reporter.h"
#include "qt_number_reader.h"
#include "qt_prompt.h"

namespace capset {

struct ProgramWindow {
  ProgramWindow() {
    prompt.SetParentWindow(&window);
    reporter.SetParentWindow(&window);
  }

  QtPrompt prompt;
  QtNumberReader reader;
  QtErrorReporter reporter;
  Form1 window{prompt, reader, reporter};
};

}  // namespace capset
