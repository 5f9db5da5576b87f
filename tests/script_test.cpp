// The script language of cap_replay: which line answers which prompt, what
// is ignored visibly, and how the transcript reads.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dialogue_replay.h"
#include "handlers.h"
#include "no_solver_reason.h"
#include "script.h"
#include "solver_texts.h"
#include "start_texts.h"
#include "table.h"

namespace capset::testing {
namespace {

std::string EmptyBoxes() {
  std::string boxes;
  for (int n = 1; n <= 26; ++n) boxes += "Text" + std::to_string(n) + "=\n";
  return boxes;
}

struct ReplayRow {
  const char* name;
  const char* script;
  std::string events;  // everything before the 26 box lines
};

// Compute before any Start: no solver, and the notice that says so.
const std::string kNoSolver = "SOLVER none\nNOTICE " + OneLine(NoSolverNotice(NoSolverReason::kNoJob)) + "\n";

class ScriptTranscript : public ::testing::TestWithParam<ReplayRow> {};

TEST_P(ScriptTranscript, PrintsEventsThenTheBoxes) {
  EXPECT_EQ(ReplayDialogue(GetParam().script), GetParam().events + EmptyBoxes());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScriptTranscript,
    ::testing::Values(ReplayRow{"NoInputPrintsOnlyTheEmptyBoxes", "", ""},
                      ReplayRow{"ComputeBeforeAnyStartChoosesNoSolver", "@compute\n", kNoSolver},
                      ReplayRow{"EveryComputeClickReportsItsChoice", "@compute\n@compute\n", kNoSolver + kNoSolver},
                      ReplayRow{"LastLineWithoutNewline", "@compute", kNoSolver},
                      ReplayRow{"WindowsLineEnds", "@compute\r\n", kNoSolver},
                      ReplayRow{"AnswerWithNoPromptOpenIsIgnoredVisibly", "1200\n@compute\n", "IGNORED 1200\n" + kNoSolver},
                      ReplayRow{"CancelWithNoPromptOpenIsIgnoredVisibly", "@cancel\n", "IGNORED @cancel\n"},
                      ReplayRow{"EmptyLineWithNoPromptOpenIsIgnoredVisibly", "\n", "IGNORED \n"},
                      ReplayRow{"UnknownCommandIsIgnoredVisibly", "@stop\n", "IGNORED @stop\n"}),
    RowName<ReplayRow>);

// One rule for a command line, row by row: the first word decides, blanks
// around the argument go, a missing argument or an unknown second word runs
// nothing, and a word without a handler is known but not run.
struct CommandLineRow {
  const char* name;
  const char* line;
  bool isCommand;
  const char* ran;  // "words|argument" of the row that ran; nullptr: none
};

class CommandLineRule : public ::testing::TestWithParam<CommandLineRow> {};

TEST_P(CommandLineRule, FirstWordDecides) {
  std::string ran;
  auto record = [&ran](const char* words) {
    return [&ran, words](const std::string& argument, ScriptLines&) { ran = std::string(words) + "|" + argument; };
  };
  using enum CommandTable::Argument;
  CommandTable table;
  table.Add("@start", kNone, record("@start"));
  table.Add("@save", kRequired, record("@save"));
  table.Add("@export csv", kRequired, record("@export csv"));
  table.Add("@export dat", kRequired, record("@export dat"));
  table.Add("@shot", kRequired, nullptr);
  std::istringstream none;
  ScriptLines lines(none);
  const CommandLineRow& r = GetParam();
  EXPECT_EQ(table.IsCommandLine(r.line), r.isCommand);
  EXPECT_EQ(table.Run(r.line, lines), r.ran != nullptr);
  EXPECT_EQ(ran, r.ran == nullptr ? "" : r.ran);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineRule,
    ::testing::Values(CommandLineRow{"TheWordAlone", "@start", true, "@start|"},
                      CommandLineRow{"TrailingBlankStillTheCommand", "@start ", true, "@start|"},
                      CommandLineRow{"TrailingTabStillTheCommand", "@start\t", true, "@start|"},
                      CommandLineRow{"ALeadingBlankMakesAnAnswer", " @start", false, nullptr},
                      CommandLineRow{"ALongerWordIsAnotherWord", "@started", false, nullptr},
                      CommandLineRow{"TheArgumentWithoutBlanksAround", "@save   a b.capjob  ", true, "@save|a b.capjob"},
                      CommandLineRow{"MissingArgumentRunsNothing", "@save", true, nullptr},
                      CommandLineRow{"BlanksAreNoArgument", "@save \t ", true, nullptr},
                      CommandLineRow{"TheSecondWordChoosesTheRow", "@export dat  caps.dat", true, "@export dat|caps.dat"},
                      CommandLineRow{"AnUnknownSecondWordRunsNothing", "@export xls caps.xls", true, nullptr},
                      CommandLineRow{"AWordWithoutAHandler", "@shot window.png", true, nullptr},
                      CommandLineRow{"AnEmptyLineIsNoCommand", "", false, nullptr}),
    RowName<CommandLineRow>);

// A command with a trailing blank at an open prompt cancels it and runs.
TEST(ScriptTranscript, CommandWithATrailingBlankCancelsThePromptAndRuns) {
  const std::string out = ReplayDialogue("@start\n@compute \n");
  EXPECT_EQ(out.rfind(std::string("PROMPT ") + kAskKZH + "\n" + kNoSolver, 0), 0u) << out;
}

// A Start whose first prompt meets the next click: the prompt is cancelled
// and the click still happens.
TEST(ScriptTranscript, ClickMetByAPromptIsKeptForTheNextCommand) {
  const std::string out = ReplayDialogue("@start\n@compute\n");
  EXPECT_EQ(out.rfind(std::string("PROMPT ") + kAskKZH + "\n" + kNoSolver, 0), 0u) << out;
}

// The scripted prompt on its own.
struct PromptRow {
  const char* name;
  const char* script;
  bool answered;
  const char* answer;
  const char* leftForTheScript;  // nullptr: nothing is left
};

class ScriptedPromptRows : public ::testing::TestWithParam<PromptRow> {};

TEST_P(ScriptedPromptRows, AnswersFromTheScript) {
  const PromptRow& r = GetParam();
  std::istringstream in(r.script);
  std::ostringstream out;
  ScriptLines lines(in);
  std::ostringstream unused;
  const DialogueReplay target(lines, unused, {});
  ScriptedPrompt prompt(lines, out, target.Commands());

  const std::optional<std::string> answer = prompt.Ask(kAskR);
  EXPECT_EQ(out.str(), std::string("PROMPT ") + kAskR + "\n");
  ASSERT_EQ(answer.has_value(), r.answered);
  if (r.answered) {
    EXPECT_EQ(*answer, r.answer);
  }
  const std::optional<std::string> next = lines.Next();
  ASSERT_EQ(next.has_value(), r.leftForTheScript != nullptr);
  if (next) {
    EXPECT_EQ(*next, r.leftForTheScript);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, ScriptedPromptRows,
                         ::testing::Values(PromptRow{"NoInputLeftCancels", "", false, "", nullptr},
                                           PromptRow{"CancelLineCancels", "@cancel\n1\n", false, "", "1"},
                                           PromptRow{"CancelWithATrailingBlankCancels", "@cancel \n1\n", false, "", "1"},
                                           PromptRow{"CommandWithATrailingBlankIsKept", "@compute \n", false, "", "@compute "},
                                           PromptRow{"LeadingBlankIsAnAnswer", " @compute\n", true, " @compute", nullptr},
                                           PromptRow{"StartLineCancelsAndIsKept", "@start\n", false, "", "@start"},
                                           PromptRow{"ComputeLineCancelsAndIsKept", "@compute\n", false, "", "@compute"},
                                           PromptRow{"EmptyLineIsAnEmptyAnswer", "\n", true, "", nullptr},
                                           PromptRow{"BlanksAreKept", "  12.5 \n", true, "  12.5 ", nullptr},
                                           PromptRow{"CarriageReturnIsStripped", "12.5\r\n", true, "12.5", nullptr},
                                           PromptRow{"OnlyOneLineIsTaken", "1\n2\n", true, "1", "2"},
                                           PromptRow{"ChineseTextPassesThrough", "十二\n", true, "十二", nullptr}),
                         RowName<PromptRow>);

TEST(PrintingReporter, PrintsAnErrorAndANoticeEachOnOneLine) {
  std::ostringstream out;
  PrintingReporter reporter(out);
  reporter.ReportError("类型不匹配\n请输入缓直点桩号 Kz");
  reporter.ReportNotice("a\r\nb");
  EXPECT_EQ(out.str(), "MESSAGE 类型不匹配 请输入缓直点桩号 Kz\nNOTICE a b\n");
}

}  // namespace
}  // namespace capset::testing
