// A job is never lost: a road and a batch list without Start are saved and
// opened like any job, and opening another job, quitting or replacing the
// road asks first about unsaved work (保存 / 不保存 / 取消); a save that
// fails discards nothing. Scripts in, transcripts and files out, through
// the same session the window drives.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dialogue_replay.h"
#include "file_texts.h"
#include "fixed_clock.h"
#include "job_file.h"
#include "memory_file_store.h"
#include "session_files.h"
#include "script_builder.h"
#include "table.h"
#include "transcript.h"

namespace capset::testing {
namespace {

const std::string kRoad = "@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\nep 5500 4900\n@end\n";
const std::string kOtherRoad = "@road\nstart 0 0 0 0\nline 500\n@end\n";
// A road of one straight, as a road file would give it.
const RoadInput kFileRoad = IntersectionRoadInput{0, {0, 0}, {}, {0, 800}, {}};

// A road file that always reads, with one alignment or two.
class FakeRoadFile : public RoadFileFormat {
 public:
  std::optional<LandXmlProblem> Read(const std::string& path) override {
    if (path.ends_with("bad.xml")) return LandXmlProblem{LandXmlFault::kNotLandXml, "html", 1, {}, "html"};
    return std::nullopt;
  }
  std::vector<RoadFileAlignment> Alignments() const override { return {{"A", 800, 0}}; }
  std::variant<RoadInput, LandXmlProblem> RoadNamed(const std::optional<std::string>&) const override {
    return kFileRoad;
  }
  std::variant<RoadInput, LandXmlProblem> RoadAt(int) const override { return kFileRoad; }
  std::string Write(const Road&, const std::vector<RoadFilePvi>&) const override { return "<LandXML/>\n"; }
};

struct Played {
  Transcript transcript;
  std::map<std::string, std::string> files;
  std::optional<RoadInput> road;
  bool started;
};

Played Play(const std::string& script, const std::map<std::string, std::string>& files = {},
            const std::set<std::string>& unwritable = {}) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  FakeRoadFile format;
  DialogueReplay target(lines, out, {}, FixedClock(), &format);
  target.Files().files = files;
  target.Files().unwritable = unwritable;
  PlayScript(lines, target, out);
  return {ReadTranscript(out.str()), target.Files().files, target.Session().RoadSource(),
          target.Session().TypedAnswers().has_value()};
}

const std::string kStarted = Script().Start({});
const std::string kOtherJob =
    R"({"format": "capset-job", "version": 2, "decimal": ".", "start": {"KZH": "2000", "X": "1", "Y": "2", )"
    R"("T": "45", "R": "0", "A1": "100", "Kj": "2050", "B": "60", "P": "1"}})";

// What each step asks, and what is left afterwards.
struct AskRow {
  const char* name;
  std::string script;
  std::vector<std::string> prompts;   // the questions asked, in order (their first 12 bytes are enough)
  std::vector<std::string> ignored;   // lines not taken once the program has ended
  std::vector<std::string> written;   // files in the store afterwards
  std::set<std::string> unwritable = {};
};

class UnsavedWork : public ::testing::TestWithParam<AskRow> {};

TEST_P(UnsavedWork, IsAskedAboutAndNeverLost) {
  const AskRow& row = GetParam();
  const Played played = Play(row.script, {{"/other.capjob", kOtherJob}}, row.unwritable);
  std::vector<std::string> prompts;
  for (const std::string& p : played.transcript.Events("PROMPT")) {
    // Start's own questions are not this test's.
    if (p.find("要先保存") != std::string::npos || p.find("新路线") != std::string::npos ||
        p.find(OneLine(kSaveJobPathPrompt)) == 0) {
      prompts.push_back(p.find(OneLine(kSaveJobPathPrompt)) == 0 ? "path" : p.find("退出") != std::string::npos ? "quit"
                        : p.find("打开另一个") != std::string::npos                   ? "open"
                        : p.find("要先保存") != std::string::npos                     ? "road unsaved"
                                                                                       : "road solved");
    }
  }
  EXPECT_EQ(prompts, row.prompts);
  EXPECT_EQ(played.transcript.Events("IGNORED"), row.ignored);
  std::vector<std::string> written;
  for (const auto& [path, bytes] : played.files) {
    if (path != "/other.capjob") written.push_back(path);
  }
  EXPECT_EQ(written, row.written);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnsavedWork,
    ::testing::Values(
        AskRow{"NothingTypedQuitsAtOnce", "@quit\n@start\n", {}, {"@start"}, {}},
        AskRow{"StartedQuitCancelledGoesOn", kStarted + "@quit\n@cancel\n@save /a.capjob\n", {"quit"}, {}, {"/a.capjob"}},
        AskRow{"StartedQuitDiscarded", kStarted + "@quit\n不保存\n@save /a.capjob\n", {"quit"}, {"@save /a.capjob"}, {}},
        AskRow{"QuitSavesToTheFileAskedFor", kRoad + "@quit\n保存\n/q\n", {"quit", "path"}, {}, {"/q.capjob"}},
        AskRow{"QuitSavesToTheJobsOwnFile", kRoad + "@save /j.capjob\n" + kOtherRoad + "@quit\n保存\n@start\n",
               {"quit"}, {"@start"}, {"/j.capjob"}},
        AskRow{"QuitWhoseSaveFailsStays", kRoad + "@quit\n保存\n/locked.capjob\n@save /a.capjob\n", {"quit", "path"}, {},
               {"/a.capjob"}, {"/locked.capjob"}},
        AskRow{"QuitWhosePathIsCancelledStays", kRoad + "@quit\n保存\n@cancel\n@quit\n不保存\n", {"quit", "path", "quit"}, {}, {}},
        AskRow{"SavedJobQuitsWithoutAsking", kRoad + "@save /j.capjob\n@quit\n@start\n", {}, {"@start"}, {"/j.capjob"}},
        AskRow{"OpenOverUnsavedCancelled", kRoad + "@open /other.capjob\n@cancel\n", {"open"}, {}, {}},
        AskRow{"OpenOverUnsavedWhoseSaveFails", kRoad + "@open /other.capjob\n保存\n/locked.capjob\n", {"open", "path"},
               {}, {}, {"/locked.capjob"}},
        AskRow{"OpenOverUnsavedSavedFirst", kRoad + "@open /other.capjob\n保存\n/first.capjob\n", {"open", "path"}, {},
               {"/first.capjob"}},
        AskRow{"ANotJobFileAsksNothing", kRoad + "@open /missing.capjob\n", {}, {}, {}},
        AskRow{"ImportOverAnUnsavedRoadAsks", kRoad + "@landxml /road.xml\n@cancel\n", {"road unsaved"}, {}, {}},
        AskRow{"ImportOverASavedRoadAsksNothing", kRoad + "@save /j.capjob\n@landxml /road.xml\n", {}, {}, {"/j.capjob"}},
        AskRow{"ImportOverNothingAsksNothing", "@landxml /road.xml\n", {}, {}, {}},
        AskRow{"ARefusedFileAsksNothing", kRoad + "@landxml /bad.xml\n", {}, {}, {}},
        AskRow{"ImportOverCapsSolvedOnTheRoadAsks",
               kRoad + "@save /j.capjob\n@batch\ndr 7.5\nskew 90\ndesign 1200\nstation 1200\n@end\n@save /j.capjob\n"
                       "@landxml /road.xml\n换用新路线\n",
               {"road solved"}, {}, {"/j.capjob"}}),
    RowName<AskRow>);

TEST(UnsavedWork, CancelledOrFailedSteps_LeaveTheRoadAsItWas) {
  const RoadInput typed = *Play(kRoad).road;
  EXPECT_EQ(Play(kRoad + "@landxml /road.xml\n@cancel\n").road, typed);
  EXPECT_EQ(Play(kRoad + "@landxml /road.xml\n保存\n/locked.capjob\n", {}, {"/locked.capjob"}).road, typed);
  EXPECT_EQ(Play(kRoad + "@landxml /road.xml\n不保存\n").road, kFileRoad);
  EXPECT_EQ(Play(kRoad + "@landxml /road.xml\n保存\n/s\n").files.count("/s.capjob"), 1u);
}

TEST(UnsavedWork, TheRowsQuestionSaysTheyKeepTheirRoad) {
  const Played played = Play(kRoad + "@save /j.capjob\n@batch\ndr 7.5\nskew 90\ndesign 1200\nstation 1200\nstation 1300\n"
                                     "@end\n@save /j.capjob\n@landxml /road.xml\n@cancel\n");
  const std::vector<std::string> prompts = played.transcript.Events("PROMPT");
  ASSERT_FALSE(prompts.empty());
  EXPECT_NE(prompts.back().find("第 1–2 行"), std::string::npos) << prompts.back();
  EXPECT_NE(prompts.back().find("仍保留计算时所用的路线"), std::string::npos) << prompts.back();
  EXPECT_EQ(played.transcript.rows.size(), 2u);
}

TEST(UnsavedWork, AJobWithoutStartReadsBackExactly) {
  const Played saved = Play(kRoad + "@batch\ndr 7.5\nstation 3# 1200\n@end\n@save /road.capjob\n");
  ASSERT_EQ(saved.files.count("/road.capjob"), 1u);
  const std::string& bytes = saved.files.at("/road.capjob");
  EXPECT_EQ(bytes.find("\"start\""), std::string::npos);
  const auto read = ReadJobFile(bytes);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  const JobFile& job = std::get<JobFile>(read);
  EXPECT_TRUE(job.start.answers.empty());
  EXPECT_EQ(job.road, saved.road);
  ASSERT_TRUE(job.batch);
  EXPECT_EQ(job.batch->stations, std::vector<std::string>{"3# 1200"});
  EXPECT_EQ(WriteJobFile(job), bytes);
  // Opened over a started job, the Start is gone and the road is the file's.
  const Played opened = Play(kStarted + "@open /road.capjob\n不保存\n", {{"/road.capjob", bytes}});
  EXPECT_FALSE(opened.started);
  EXPECT_EQ(opened.road, saved.road);
  EXPECT_EQ(opened.transcript.Box(3), "");
}

// The road window's 应用 over a job road with caps solved on it.
struct ApplyRow {
  const char* name;
  bool solved;          // a cap solved on the job road is in the log
  bool sameRoad;        // the table holds the job's road unchanged
  const char* answer;   // to the question, when there is one
  bool asked;
  bool goesOn;
};

class ApplyingARoad : public ::testing::TestWithParam<ApplyRow> {};

class NoBoxes : public BoxWriter {
 public:
  void WriteBox(int, const std::string&) override {}
};

TEST_P(ApplyingARoad, AsksOnlyOverSolvedCaps) {
  const ApplyRow& row = GetParam();
  std::istringstream answers(row.answer);
  ScriptLines lines(answers);
  CommandTable commands;
  std::ostringstream out;
  ScriptedPrompt prompt(lines, out, commands);
  FixedNumberReader reader({});
  PrintingReporter reporter(out);
  NoBoxes boxes;
  Seam seam{prompt, reader, reporter, boxes};
  CapSession session(seam);
  const RoadInput road = IntersectionRoadInput{1000, {3000, 4000}, {{{3800, 4300}, 600, 120, 100}, {{4600, 4200}, 400, 0, 0}}, {5500, 4900}, {}};
  ASSERT_EQ(session.SetRoad(road), std::nullopt);
  if (row.solved) {
    BatchInput batch;
    batch.DR = "7.5";
    batch.skew = "90";
    batch.design = "1200";
    batch.stations = {"1200"};
    ASSERT_TRUE(session.Batch(batch));
  }
  MemoryFileStore store;
  SessionFiles files(session, store, reporter);
  EXPECT_EQ(files.MayApplyRoad(row.sameRoad ? road : kFileRoad), row.goesOn);
  EXPECT_EQ(out.str().find("PROMPT 新路线将替换") != std::string::npos, row.asked) << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ApplyingARoad,
    ::testing::Values(ApplyRow{"NoCapsAsksNothing", false, false, "", false, true},
                      ApplyRow{"TheSameRoadAsksNothing", true, true, "", false, true},
                      ApplyRow{"AnotherRoadOverCapsGoesOnWhenTold", true, false, "换用新路线\n", true, true},
                      ApplyRow{"AnotherRoadOverCapsCancelled", true, false, "@cancel\n", true, false}),
    RowName<ApplyRow>);

}  // namespace
}  // namespace capset::testing
