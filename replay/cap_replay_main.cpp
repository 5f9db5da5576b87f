// cap_replay [--locale NAME] < script
// Runs a script of clicks and answers against the real window on the
// offscreen platform; the script language and the transcript are in script.h.

#include <QApplication>
#include <cstring>
#include <iostream>
#include <string>

#include "window_replay.h"

int main(int argc, char* argv[]) {
  std::string locale = capset::kReplayDefaultLocale;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--locale") == 0 && i + 1 < argc) {
      locale = argv[++i];
    } else {
      std::cerr << "usage: cap_replay [--locale NAME] < script\n";
      return 2;
    }
  }
  // No display is needed: the window is built and clicked, never looked at.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  capset::Replay(std::cin, std::cout, locale);
  return 0;
}
