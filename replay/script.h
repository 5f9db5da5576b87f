#pragma once
// The script language of cap_replay, shared by the program's harness and
// the tests: a script drives either the real window or the dialogue alone,
// line by line, and the same transcript comes out.
//
// The script is read one line at a time; a trailing "\n" or "\r\n" is the
// only thing stripped from a line.
//
//   @start     clicks Start (Command1)
//   @compute   clicks Compute (Command2)
//   @cancel    answers the next prompt with Cancel
//   @shot FILE saves a picture of the whole window as it stands (PNG)
//   @scene     prints the plan sketch's scene as it stands, one element a
//              line: SCENE, the kind (point, polyline, text, arrow), the
//              label, then "X Y" for each of its points, tab-separated
//   @batch     a batch, as the batch dialog's OK runs it; the fields follow
//              one a line, each as it would be typed in the dialog:
//                method exact | method window   (exact when left out)
//                axis parallel | axis own
//                dr 7.5 | dr 6.25 9.5      (both sides, or the left then the right)
//                skew 60, design K12+400   (may be left out: the Start job's B and Kj)
//                precision 0.0001          (the window's formulas only)
//                offsets -3.5 3.5          (may be left out)
//                station 3# K12+400        (one line per cap)
//              and the block ends at "@end" (or at any other command line,
//              which is left for the script)
//   @points    prints every point of every log row: "PT", the row's
//              number, the point's name (C, L, R, P1… of an exact row; C, O,
//              I, P1… of a window row), X, Y, and the station and offset of
//              its foot on the working road, tab-separated
//   @export csv FILE, @export dat FILE
//              writes all rows of the results log to FILE
//   @save FILE saves the job as the menu's 保存作业… does
//   @open FILE opens a job as the menu's 打开作业… does
//   @quit      quits as the menu's 退出 does; once the program has ended,
//              every line left prints as IGNORED
//   any other  is typed at the next prompt exactly as it stands, blanks and
//              all (an empty line is an empty answer), and confirmed with OK;
//              a question with fixed answers (Prompt::Choose) is a prompt
//              that lists them, and takes the one typed
//
// A line whose first word is a command's (command_table.h) is that command
// wherever it stands: a prompt that meets it is cancelled and the line is
// left for the script, so a script that gives too few answers still runs
// its later commands ("@cancel" is the one command a prompt takes itself).
// A prompt that finds no line left is cancelled. A line met when no prompt
// is open and that no command runs (an answer too many, @cancel, a command
// the target does not know or without its argument) is reported as
// "IGNORED <line>" so that a mistake in the script shows.
//
// The transcript is UTF-8, one line per event as it happens:
//   PROMPT <text>    a prompt is shown
//   MESSAGE <text>   an error: a refused answer or job, a fault, a file that
//                    cannot be read, written or opened (line breaks become
//                    blanks)
//   NOTICE <text>    a notice: a side not solved, a warning, a summary, why
//                    Compute has nothing to do, a packed angle read on; and
//                    information: nothing to save or export yet
//   SOLVER <name>    Compute chose Cmd1 ... Cmd5, or none
//   IGNORED <line>   a script line that no prompt or command took
// and at the end the 26 boxes, "Text1=<text>" to "Text26=<text>", then
// every row of the results log, oldest first: "ROW", a tab, and the row's
// texts in column order separated by tabs.

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "cap_log.h"
#include "cap_session.h"
#include "command_table.h"
#include "seam.h"

namespace capset {

// The words of the commands.
inline constexpr char kStartLine[] = "@start";
inline constexpr char kComputeLine[] = "@compute";
inline constexpr char kCancelLine[] = "@cancel";
inline constexpr char kBatchLine[] = "@batch";
inline constexpr char kEndLine[] = "@end";
inline constexpr char kExportWord[] = "@export";
inline constexpr char kSaveCommand[] = "@save";
inline constexpr char kOpenCommand[] = "@open";
inline constexpr char kQuitCommand[] = "@quit";
inline constexpr char kShotCommand[] = "@shot";
inline constexpr char kSceneCommand[] = "@scene";
inline constexpr char kLandXmlCommand[] = "@landxml";
inline constexpr char kRoadCommand[] = "@road";
inline constexpr char kAtCommand[] = "@at";
inline constexpr char kWhereCommand[] = "@where";
inline constexpr char kKeyPointsCommand[] = "@keypoints";
inline constexpr char kCurvesCommand[] = "@curves";
inline constexpr char kTableCommand[] = "@table";

// The tags of the transcript.
inline constexpr char kRowTag[] = "ROW";

// The script's lines, with one line of look-ahead that a prompt can hand back.
class ScriptLines {
 public:
  explicit ScriptLines(std::istream& in) : in_(in) {}

  // The next line without its "\n" or "\r\n"; nothing at the end of input.
  std::optional<std::string> Next();
  void PutBack(std::string line) { pending_ = std::move(line); }

 private:
  std::istream& in_;
  std::optional<std::string> pending_;
};

// Events go out as single lines: breaks in a message become blanks.
std::string OneLine(const std::string& text);

class ScriptedPrompt : public Prompt {
 public:
  ScriptedPrompt(ScriptLines& lines, std::ostream& out, const CommandTable& commands)
      : lines_(lines), out_(out), commands_(commands) {}

  std::optional<std::string> Ask(const std::string& message) override;

 private:
  ScriptLines& lines_;
  std::ostream& out_;
  const CommandTable& commands_;
};

// Errors print as MESSAGE, notices and information as NOTICE.
class PrintingReporter : public ErrorReporter {
 public:
  explicit PrintingReporter(std::ostream& out) : out_(out) {}

  void ReportError(const std::string& message) override;
  void ReportNotice(const std::string& message) override;

 private:
  std::ostream& out_;
};

// Prints "SOLVER <name>" at every Compute, before the solver asks anything.
class SolverPrinter : public SessionObserver {
 public:
  explicit SolverPrinter(std::ostream& out) : out_(out) {}
  void SolverChosen(std::optional<Solver> choice) override;

 private:
  std::ostream& out_;
};

// What a script drives: the real window, or the dialogue alone. Each
// target fills its command table with the same words (script_commands.h).
class ScriptTarget {
 public:
  virtual ~ScriptTarget() = default;
  virtual const CommandTable& Commands() const = 0;
  virtual std::string BoxText(int number) const = 0;
  // Lines printed after the 26 boxes.
  virtual void PrintEnd(std::ostream& /*out*/) {}
};

// Runs the lines against the target, then prints the 26 boxes.
void PlayScript(ScriptLines& lines, ScriptTarget& target, std::ostream& out);

// The ROW lines, numbers with the decimal separator `sep` as the table shows them.
void PrintRows(const CapLog& log, const std::string& sep, std::ostream& out);

}  // namespace capset
