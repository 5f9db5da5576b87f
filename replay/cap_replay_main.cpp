// cap_replay [--locale NAME] [--now "YYYY-MM-DD HH:MM:SS"] < script
// Runs a script of clicks and answers against the real window on the
// offscreen platform; the script language and the transcript are in script.h.
// The day files are kept as the program keeps them (point XDG_DATA_HOME
// elsewhere to keep them apart). With --now every row is made at that time,
// so the rows and the day file's name are the same on every run.

#include <QApplication>
#include <QTemporaryFile>
#include <cstring>
#include <iostream>
#include <string>

#include "app_title.h"
#include "window_replay.h"

int main(int argc, char* argv[]) {
  capset::ReplayOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--locale") == 0 && i + 1 < argc) {
      options.locale = argv[++i];
    } else if (std::strcmp(argv[i], "--now") == 0 && i + 1 < argc && capset::ReadDateTime(argv[i + 1])) {
      options.now = capset::ReadDateTime(argv[++i]);
    } else {
      std::cerr << "usage: cap_replay [--locale NAME] [--now \"YYYY-MM-DD HH:MM:SS\"] < script\n";
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
  QApplication::setOrganizationName(capset::kOrganisationName);
  QApplication::setApplicationName(capset::kReplayApplicationName);
  capset::Replay(std::cin, std::cout, options);
  return 0;
}
