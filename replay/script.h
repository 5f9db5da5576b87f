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
//                axis parallel | axis own
//                dr 7.5
//                precision 0.0001
//                offsets -3.5 3.5          (may be left out)
//                station 3# K12+400        (one line per cap)
//              and the block ends at "@end" (or at any other line starting
//              with "@", which is left for the script)
//   @export csv FILE, @export dat FILE
//              writes all rows of the results log to FILE
//   @save FILE saves the job as the menu's 保存作业… does
//   @open FILE opens a job as the menu's 打开作业… does; a file that is not
//              a job prints its message as a MESSAGE event
//   any other  is typed at the next prompt exactly as it stands, blanks and
//              all (an empty line is an empty answer), and confirmed with OK
//
// A prompt that finds no line left is cancelled. A prompt that meets a
// command (a line whose first word is one of kCommands) is cancelled too,
// and that line is left for the script, so a script that gives too few
// answers still runs its later commands. A line met when no prompt is open
// (an answer too many, @cancel, a command the target does not know) is
// reported as "IGNORED <line>" so that a mistake in the script shows.
//
// The transcript is UTF-8, one line per event as it happens:
//   PROMPT <text>    a prompt is shown
//   MESSAGE <text>   an error report or notice (line breaks become blanks)
//   SOLVER <name>    Compute chose Cmd1 ... Cmd5, or none
//   IGNORED <line>   a script line that no prompt took
// and at the end the 26 boxes, "Text1=<text>" to "Text26=<text>", then
// every row of the results log, oldest first: "ROW", a tab, and the row's
// texts in column order separated by tabs.

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "batch_input.h"
#include "cap_session.h"
#include "export_formats.h"
#include "seam.h"

namespace capset {

inline constexpr char kStartLine[] = "@start";
inline constexpr char kComputeLine[] = "@compute";
inline constexpr char kCancelLine[] = "@cancel";
inline constexpr char kBatchLine[] = "@batch";
inline constexpr char kEndLine[] = "@end";
inline constexpr char kExportWord[] = "@export";
inline constexpr char kRowTag[] = "ROW";

// The first words of the lines that are commands, not answers.
inline constexpr char kSaveCommand[] = "@save";
inline constexpr char kOpenCommand[] = "@open";
inline constexpr char kShotCommand[] = "@shot";
inline constexpr char kSceneCommand[] = "@scene";
inline constexpr const char* kCommands[] = {kStartLine,   kComputeLine,  kBatchLine,   kEndLine,    kExportWord,
                                            kShotCommand, kSceneCommand, kSaveCommand, kOpenCommand};

// A line that a prompt does not take as an answer but leaves for the script.
bool IsCommandLine(const std::string& line);

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
  ScriptedPrompt(ScriptLines& lines, std::ostream& out) : lines_(lines), out_(out) {}

  std::optional<std::string> Ask(const std::string& message) override;

 private:
  ScriptLines& lines_;
  std::ostream& out_;
};

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

// What a script drives: the real window, or the dialogue alone.
class ScriptTarget {
 public:
  virtual ~ScriptTarget() = default;
  virtual void ClickStart() = 0;
  virtual void ClickCompute() = 0;
  // Another command line; it may read more lines (a block). False when the
  // target does not know the command.
  virtual bool RunCommand(const std::string& /*line*/, ScriptLines& /*lines*/) { return false; }
  virtual std::string BoxText(int number) const = 0;
  // Lines printed after the 26 boxes.
  virtual void PrintEnd(std::ostream& /*out*/) {}
};

// Runs the lines against the target, then prints the 26 boxes.
void PlayScript(ScriptLines& lines, ScriptTarget& target, std::ostream& out);

// The fields of a batch block, read after its "@batch" line; a line the
// block does not know is printed as IGNORED.
BatchInput ReadBatchBlock(ScriptLines& lines, std::ostream& out);

// "@export csv FILE": the format and the file; nothing for another line.
struct ExportCommand {
  ExportFormat format;
  std::string path;
};
std::optional<ExportCommand> ReadExportLine(const std::string& line);

// The ROW lines, numbers with the decimal separator `sep` as the table shows them.
void PrintRows(const CapLog& log, const std::string& sep, std::ostream& out);

}  // namespace capset
