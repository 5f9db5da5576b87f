#pragma once
// cap_replay: the real window driven by a script instead of a user. The
// script language and the transcript are those of script.h.
//
// Answers are read in the locale given (a name such as "zh_CN" or "de_DE"),
// which becomes the default QLocale while the script runs.

#include <iosfwd>
#include <string>

namespace capset {

inline constexpr char kReplayDefaultLocale[] = "zh_CN";

// Runs `script` against a new main window (Form1 with its menus, log and
// day file) and writes the transcript to `out`. Needs a QApplication; any
// number of replays may run inside one.
void Replay(std::istream& script, std::ostream& out, const std::string& localeName = kReplayDefaultLocale);

// The same, returning everything that was written.
std::string Replay(std::istream& script, const std::string& localeName = kReplayDefaultLocale);

}  // namespace capset
