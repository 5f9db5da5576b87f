#pragma once
// cap_replay: the real window driven by a script instead of a user. The
// script language and the transcript are those of script.h.
//
// Answers are read in the locale given (a name such as "zh_CN" or "de_DE"),
// which becomes the default QLocale while the script runs.

#include <iosfwd>
#include <optional>
#include <string>

#include "local_time.h"

namespace capset {

inline constexpr char kReplayDefaultLocale[] = "zh_CN";

struct ReplayOptions {
  std::string locale = kReplayDefaultLocale;
  // The clock stands still at this time, for every row and day file, so a
  // script prints the same rows whenever it runs; the system's clock when
  // none is given.
  std::optional<LocalTime> now = {};
  // Where the day files go; the program's own data folder when empty.
  std::string dayFolder = {};
};

// Runs `script` against a new main window (Form1 with its menus, log and
// day file) and writes the transcript to `out`. Needs a QApplication; any
// number of replays may run inside one.
void Replay(std::istream& script, std::ostream& out, const ReplayOptions& options);
void Replay(std::istream& script, std::ostream& out, const std::string& localeName = kReplayDefaultLocale);

// The same, returning everything that was written.
std::string Replay(std::istream& script, const ReplayOptions& options);
std::string Replay(std::istream& script, const std::string& localeName = kReplayDefaultLocale);

}  // namespace capset
