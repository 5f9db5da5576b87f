#pragma once
// cap_replay's window, as a test plays it: the clock standing at the tests'
// time and the day files in a folder of the run's own, so that every run
// numbers its rows from 1 and prints the same rows.

#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "fixed_clock.h"
#include "window_replay.h"

namespace capset::testing {

inline std::string FreshReplay(const std::string& script, const std::string& locale = kReplayDefaultLocale) {
  const QTemporaryDir dayFolder;
  std::istringstream in(script);
  return Replay(in, ReplayOptions{.locale = locale, .now = kTestTime, .dayFolder = dayFolder.path().toStdString()});
}

}  // namespace capset::testing
