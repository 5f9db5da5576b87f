#pragma once
// cap_replay: the real window driven by a script instead of a user.
//
// The script is read one line at a time; a trailing "\n" or "\r\n" is the
// only thing stripped from a line.
//
//   @start     clicks Start (Command1)
//   @compute   clicks Compute (Command2)
//   @cancel    answers the next prompt with Cancel
//   any other  is typed at the next prompt exactly as it stands, blanks and
//              all (an empty line is an empty answer), and confirmed with OK
//
// A prompt that finds no line left is cancelled. A prompt that meets @start
// or @compute is cancelled too, and that line is left for the next click, so
// a script that gives too few answers still runs its later clicks. A line met
// when no prompt is open (an answer too many, or @cancel) is reported as
// "IGNORED <line>" so that a mistake in the script shows.
//
// The output is UTF-8, one line per event as it happens:
//   PROMPT <text>    a prompt is shown
//   MESSAGE <text>   an error report or notice (line breaks become blanks)
//   SOLVER <name>    Compute chose Cmd1 ... Cmd5, or none
//   IGNORED <line>   a script line that no prompt took
// and at the end the 26 boxes, "Text1=<text>" to "Text26=<text>".
//
// Answers are read in the locale given (a name such as "zh_CN" or "de_DE"),
// which becomes the default QLocale while the script runs.

#include <iosfwd>
#include <string>

namespace capset {

inline constexpr char kReplayDefaultLocale[] = "zh_CN";

// Runs `script` against a new Form1 and writes the events to `out`. Needs a
// QApplication; any number of replays may run inside one.
void Replay(std::istream& script, std::ostream& out,
            const std::string& locale_name = kReplayDefaultLocale);

// The same, returning everything that was written.
std::string Replay(std::istream& script,
                   const std::string& locale_name = kReplayDefaultLocale);

}  // namespace capset
