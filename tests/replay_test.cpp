// The replay harness: its script language and its output, end to end
// through the real window.

#include <gtest/gtest.h>

#include <QLocale>
#include <sstream>
#include <string>

#include "replay.h"
#include "replay_seam.h"

namespace capset {
namespace {

std::string EmptyBoxes() {
  std::string boxes;
  for (int n = 1; n <= 26; ++n) boxes += "Text" + std::to_string(n) + "=\n";
  return boxes;
}

std::string RunScript(const std::string& script,
                      const std::string& locale = kReplayDefaultLocale) {
  std::istringstream in(script);
  return Replay(in, locale);
}

struct ReplayCase {
  const char* name;
  const char* script;
  const char* events;  // everything before the 26 box lines
};

const ReplayCase kReplayCases[] = {
    {"NoInputPrintsOnlyTheEmptyBoxes", "", ""},
    {"ComputeBeforeAnyStartChoosesNoSolver", "@compute\n", "SOLVER none\n"},
    {"EveryComputeClickReportsItsChoice", "@compute\n@compute\n",
     "SOLVER none\nSOLVER none\n"},
    {"LastLineWithoutNewline", "@compute", "SOLVER none\n"},
    {"WindowsLineEnds", "@compute\r\n", "SOLVER none\n"},
    {"AnswerWithNoPromptOpenIsIgnoredVisibly", "1200\n@compute\n",
     "IGNORED 1200\nSOLVER none\n"},
    {"CancelWithNoPromptOpenIsIgnoredVisibly", "@cancel\n", "IGNORED @cancel\n"},
    {"EmptyLineWithNoPromptOpenIsIgnoredVisibly", "\n", "IGNORED \n"},
    {"UnknownCommandIsIgnoredVisibly", "@stop\n", "IGNORED @stop\n"},
};

class ReplayTest : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(ReplayTest, PrintsEventsThenTheBoxes) {
  const ReplayCase& c = GetParam();
  EXPECT_EQ(RunScript(c.script), c.events + EmptyBoxes());
}

INSTANTIATE_TEST_SUITE_P(Table, ReplayTest, ::testing::ValuesIn(kReplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A Start whose first prompt meets the next click: the prompt is cancelled
// and the click still happens, through the real Start handler.
TEST(ReplayClickTest, ClickMetByAPromptIsKeptForTheTopLevel) {
  const std::string out = RunScript("@start\n@compute\n");
  EXPECT_EQ(out.rfind("PROMPT ", 0), 0u) << out;
  EXPECT_NE(out.find("\nSOLVER none\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("IGNORED"), std::string::npos) << out;
}

TEST(ReplayLocaleTest, RunsInTheGivenLocaleAndRestoresTheDefault) {
  const QLocale before;
  EXPECT_EQ(RunScript("@compute\n", "de_DE"), "SOLVER none\n" + EmptyBoxes());
  EXPECT_EQ(QLocale(), before);
}

// The scripted prompt on its own: which line answers which prompt.
struct PromptCase {
  const char* name;
  const char* script;
  bool answered;
  const char* answer;
  const char* left_for_top_level;  // nullptr: nothing is left
};

const PromptCase kPromptCases[] = {
    {"NoInputLeftCancels", "", false, "", nullptr},
    {"CancelLineCancels", "@cancel\n1\n", false, "", "1"},
    {"StartLineCancelsAndIsKept", "@start\n", false, "", "@start"},
    {"ComputeLineCancelsAndIsKept", "@compute\n", false, "", "@compute"},
    {"EmptyLineIsAnEmptyAnswer", "\n", true, "", nullptr},
    {"BlanksAreKept", "  12.5 \n", true, "  12.5 ", nullptr},
    {"CarriageReturnIsStripped", "12.5\r\n", true, "12.5", nullptr},
    {"OnlyOneLineIsTaken", "1\n2\n", true, "1", "2"},
    {"ChineseTextPassesThrough", "十二\n", true, "十二", nullptr},
};

class ScriptedPromptTest : public ::testing::TestWithParam<PromptCase> {};

TEST_P(ScriptedPromptTest, AnswersFromTheScript) {
  const PromptCase& c = GetParam();
  std::istringstream in(c.script);
  std::ostringstream out;
  ScriptLines lines(in);
  ScriptedPrompt prompt(lines, out);

  const std::optional<std::string> answer = prompt.Ask("请输入平曲线半径数值  R");
  EXPECT_EQ(out.str(), "PROMPT 请输入平曲线半径数值  R\n");
  ASSERT_EQ(answer.has_value(), c.answered);
  if (c.answered) {
    EXPECT_EQ(*answer, c.answer);
  }

  const std::optional<std::string> next = lines.Next();
  ASSERT_EQ(next.has_value(), c.left_for_top_level != nullptr);
  if (next) {
    EXPECT_EQ(*next, c.left_for_top_level);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ScriptedPromptTest,
                         ::testing::ValuesIn(kPromptCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintingReporterTest, PrintsEachMessageOnOneLine) {
  std::ostringstream out;
  PrintingReporter reporter(out);
  reporter.ReportError("类型不匹配\n请输入缓直点桩号 Kz");
  reporter.ReportNotice("a\r\nb");
  EXPECT_EQ(out.str(), "MESSAGE 类型不匹配 请输入缓直点桩号 Kz\nMESSAGE a b\n");
}

}  // namespace
}  // namespace capset
