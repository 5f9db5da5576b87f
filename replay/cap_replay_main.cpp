// cap_replay [--locale NAME] < script
// Runs a script of clicks and answers against the real window on the
// offscreen platform; the script language and the transcript are in script.h.
// The day files are kept as the program keeps them (point XDG_DATA_HOME
// elsewhere to keep them apart).

#include <QApplication>
#include <QTemporaryFile>
#include <cstring>
#include <iostream>
#include <string>

#include "app_title.h"
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
  // No display is needed: the window is built and clicked, and seen only in
  // an @shot. The offscreen platform's own screen is 800 by 800, on which the
  // window scrolls; a screen the size of a desktop's shows it whole.
  QTemporaryFile screen;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    QByteArray platform = "offscreen";
    if (screen.open()) {
      screen.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1200,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      screen.flush();
      platform += ":configfile=" + screen.fileName().toLocal8Bit();
    }
    qputenv("QT_QPA_PLATFORM", platform);
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(capset::kProgramName);
  capset::Replay(std::cin, std::cout, locale);
  return 0;
}
