// Job files: saved and opened, the window reads exactly as after typing the
// answers; anything that is not a job is refused with the field at fault,
// and the job in the window stays as it was.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "cap_session.h"
#include "dialogue_replay.h"
#include "handlers.h"
#include "job_file.h"
#include "job_file_keys.h"
#include "script.h"
#include "script_builder.h"
#include "table.h"

namespace capset::testing {
namespace {

// A script played against the dialogue, its session at hand afterwards.
class Rig {
 public:
  explicit Rig(const std::string& script = "", NumberSymbols symbols = {})
      : in_(script), lines_(in_), target_(lines_, out_, std::move(symbols)), session(target_.Session()) {
    PlayScript(lines_, target_, out_);
  }
  std::array<std::string, 26> Boxes() const {
    std::array<std::string, 26> boxes;
    for (int n = 1; n <= 26; ++n) boxes[n - 1] = target_.BoxText(n);
    return boxes;
  }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  ScriptLines lines_;
  DialogueReplay target_;

 public:
  CapSession& session;
};

// The job as saved and read back.
JobFile SavedAndRead(const Rig& typed) {
  const auto read = ReadJobFile(WriteJobFile({*typed.session.TypedAnswers(), std::nullopt}));
  EXPECT_TRUE(std::holds_alternative<JobFile>(read));
  return std::get<JobFile>(read);
}

struct RoundTripRow {
  const char* name;
  StartAnswers answers;
};

class JobRoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(JobRoundTrip, OpenedJobReadsAsTyped) {
  const Rig typed(Script().Start(GetParam().answers));
  ASSERT_TRUE(typed.session.TypedAnswers());
  Rig opened;
  EXPECT_EQ(opened.session.OpenJob(SavedAndRead(typed).start), std::nullopt);
  EXPECT_EQ(opened.Boxes(), typed.Boxes());
  const CapJob& a = typed.session.Job();
  const CapJob& b = opened.session.Job();
  EXPECT_EQ(std::tie(a.KZH, a.KHZ, a.X, a.Y, a.T, a.R, a.A1, a.Kj, a.B, a.P, a.Pi),
            std::tie(b.KZH, b.KHZ, b.X, b.Y, b.T, b.R, b.A1, b.Kj, b.B, b.P, b.Pi));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JobRoundTrip,
    ::testing::Values(RoundTripRow{"ZHStation", {.KZH = "12345.678", .T = "45.3015", .B = "30.1530"}},
                      RoundTripRow{"HZStation", {.KZH = "0", .KHZ = "5123.4", .T = "225.0030", .P = "-2"}},
                      RoundTripRow{"ZHAtStation0", {.KZH = "0.000000001", .X = "1234.50", .P = "0.5"}},
                      RoundTripRow{"BothStations0", {.KZH = "0", .KHZ = "0"}}),
    RowName<RoundTripRow>);

TEST(JobFile, KeepsTheAnswersAsTypedAndComputesAtOnce) {
  const Rig typed(Script().Start({.T = "45.3015", .B = "89.5960", .P = "1.5"}));
  const std::string text = WriteJobFile({*typed.session.TypedAnswers(), std::nullopt});
  EXPECT_NE(text.find("\"T\": \"45.3015\""), std::string::npos) << text;
  EXPECT_NE(text.find("\"B\": \"89.5960\""), std::string::npos) << "packed, as typed";
  EXPECT_NE(text.find("\"P\": \"1.5\""), std::string::npos);
  Rig opened;
  ASSERT_EQ(opened.session.OpenJob(SavedAndRead(typed).start), std::nullopt);
  EXPECT_EQ(ChooseSolver(opened.session.Job()), Solver::kCmd5);
}

TEST(JobFile, TypedWithACommaOpensInAPointLocale) {
  const Rig typed(Script().Start({.KZH = "1000,5", .X = "1234,5", .B = "30,1530"}), {.decimal = ","});
  const Rig pointTyped(Script().Start({.KZH = "1000.5", .X = "1234.5", .B = "30.1530"}));
  Rig opened;
  ASSERT_EQ(opened.session.OpenJob(SavedAndRead(typed).start), std::nullopt);
  EXPECT_EQ(opened.Boxes(), pointTyped.Boxes());
}

TEST(JobFile, BatchListRoundTrips) {
  const Rig typed(Script().Start({}));
  const BatchInput batch{BatchInput::Axis::kOwn, "7.5", "0.0001", "-3.5 3.5", {"3# K12+400", "12420", "\"引号\" \\"},
                         CapMethod::kWindow, "", "", ""};
  const auto read = ReadJobFile(WriteJobFile({*typed.session.TypedAnswers(), batch}));
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  EXPECT_EQ(std::get<JobFile>(read).batch, batch);
}

// Texts that are not a job this program can open: the fault, the field
// and the line named.
struct RefusedRow {
  const char* name;
  std::string text;
  JobFileFault fault;
  const char* field;
  int line;
};

class RefusedJobFile : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedJobFile, NamesTheFaultTheFieldAndTheLine) {
  const auto read = ReadJobFile(GetParam().text);
  ASSERT_TRUE(std::holds_alternative<JobFileProblem>(read));
  const JobFileProblem& problem = std::get<JobFileProblem>(read);
  EXPECT_EQ(problem.fault, GetParam().fault);
  EXPECT_EQ(problem.field, GetParam().field);
  EXPECT_EQ(problem.line, GetParam().line);
}

std::string Job(const std::string& start, const std::string& head = R"("format": "capset-job", "version": 1, "decimal": ".")") {
  return "{" + head + ", \"start\": " + start + "}";
}
const std::string kGood = R"({"KZH": "1000", "X": "1000", "Y": "2000", "T": "45", "R": "0", "A1": "100", "Kj": "1050", "B": "60", "P": "1"})";
std::string Without(const std::string& key) {
  std::string s = kGood;
  const auto at = s.find("\"" + key + "\"");
  const auto end = s.find(',', at);
  return s.erase(at, end - at + 2);
}
std::string With(const std::string& key, const std::string& value) {
  std::string s = kGood;
  const auto at = s.find("\"" + key + "\": ") + key.size() + 4;
  const auto end = s.find_first_of(",}", at);
  return s.replace(at, end - at, value);
}
std::string Nested(int depth) { return std::string(depth, '[') + std::string(depth, ']'); }
// The good job written one field a line, as a person lays a file out.
std::string OneALine(const std::string& start) {
  std::string s = Job(start);
  for (std::size_t at = s.find(", "); at != std::string::npos; at = s.find(", ", at)) s.replace(at, 2, ",\n");
  return s;
}
std::string WithBatch(const std::string& batch) { return Job(kGood).substr(0, Job(kGood).size() - 1) + ", \"batch\": " + batch + "}"; }

using enum JobFileFault;

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedJobFile,
    ::testing::Values(
        RefusedRow{"Empty", "", kCutShort, "", 1},
        RefusedRow{"Truncated", Job(kGood).substr(0, 60), kCutShort, "", 1},
        RefusedRow{"TruncatedOnItsFourthLine", OneALine(kGood).substr(0, 75), kCutShort, "", 4},
        RefusedRow{"BinaryJunk", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), kNotJson, "", 1},
        RefusedRow{"TextAfterTheJob", Job(kGood) + "\nx", kNotJson, "", 2},
        RefusedRow{"InvalidUtf8", "{\"format\": \"capset-job\xff\"}", kBadText, "", 1},
        RefusedRow{"OverlongSlash", Job(With("Kj", "\"1050\xc0\xaf\"")), kBadText, "", 1},
        RefusedRow{"EncodedSurrogate", Job(With("Kj", "\"\xed\xa0\x80\"")), kBadText, "", 1},
        RefusedRow{"BeyondU10FFFF", Job(With("Kj", "\"\xf4\x90\x80\x80\"")), kBadText, "", 1},
        RefusedRow{"LoneEscapedSurrogate", Job(With("Kj", R"("\ud800")")), kBadText, "", 1},
        RefusedRow{"LoneLowSurrogate", Job(With("Kj", R"("\udc00")")), kBadText, "", 1},
        RefusedRow{"HighSurrogateThenALetter", Job(With("Kj", R"("\ud800\u0041")")), kBadText, "", 1},
        RefusedRow{"HighSurrogateThenAnotherHigh", Job(With("Kj", R"("\ud800\ud800")")), kBadText, "", 1},
        RefusedRow{"HighSurrogateThenAnEscapedLineBreak", Job(With("Kj", R"("\ud800\n")")), kBadText, "", 1},
        RefusedRow{"PairThenAControlCharacterIsNotBadText", Job(With("Kj", "\"\\ud83d\\ude00\x01\"")), kNotJson, "", 1},
        RefusedRow{"ControlCharacterInAString", Job(With("Kj", "\"10\x01\"")), kNotJson, "", 1},
        RefusedRow{"CutInsideAString", Job(kGood).substr(0, 50), kCutShort, "", 1},
        RefusedRow{"CutAfterAHighSurrogate", R"({"format": "\ud800)", kCutShort, "", 1},
        RefusedRow{"MisspeltLiteral", Job(With("A1", "tru")), kNotJson, "", 1},
        RefusedRow{"NothingButTheHead", R"({"format": "capset-job", "version": 2, "decimal": "."})", kMissing, "start", 0},
        RefusedRow{"Version1BatchWithoutStart",
                   R"({"format": "capset-job", "version": 1, "decimal": ".", "batch": {"axis": "own", "DR": "7.5", )"
                   R"("precision": "", "offsets": "", "stations": ["1050"]}})",
                   kMissing, "start", 0},
        RefusedRow{"DeepNesting", Nested(100000), kTooDeep, "", 1},
        RefusedRow{"NestedOneTooDeep", Nested(kJobFileMaxDepth + 1), kTooDeep, "", 1},
        RefusedRow{"HugeJsonNumber", Job(With("R", "1e400")), kNumberRange, "", 1},
        RefusedRow{"HugeNegativeJsonNumber", OneALine(With("R", "-1e400")), kNumberRange, "", 8},
        RefusedRow{"DuplicateKey", R"({"format": "capset-job", "format": "capset-job"})", kDuplicateKey, "", 1},
        RefusedRow{"DuplicateStartField", OneALine(With("X", R"("1000", "X": "1500")")), kDuplicateKey, "", 6},
        RefusedRow{"NotAnObject", "[1, 2]", kNotAJob, "", 0},
        RefusedRow{"AnotherProgramsJson", R"({"name": "bridge"})", kNotAJob, "", 0},
        RefusedRow{"MissingVersion", Job(kGood, R"("format": "capset-job", "decimal": ".")"), kNoVersion, "version", 0},
        RefusedRow{"UnknownVersion", Job(kGood, R"("format": "capset-job", "version": 4, "decimal": ".")"), kUnknownVersion, "version", 1},
        RefusedRow{"VersionAsText", Job(kGood, R"("format": "capset-job", "version": "1", "decimal": ".")"), kNoVersion, "version", 1},
        RefusedRow{"MissingDecimal", Job(kGood, R"("format": "capset-job", "version": 1)"), kMissing, "decimal", 0},
        RefusedRow{"StrangeDecimal", Job(kGood, R"("format": "capset-job", "version": 1, "decimal": "x")"), kBadDecimal, "decimal", 1},
        RefusedRow{"MissingStart", R"({"format": "capset-job", "version": 1, "decimal": "."})", kMissing, "start", 0},
        RefusedRow{"StartNotAnObject", Job("[]"), kNotAGroup, "start", 1},
        RefusedRow{"MissingKZH", Job(Without("KZH")), kMissing, "start.KZH", 1},
        RefusedRow{"MissingXOnTheStartsLine", OneALine(Without("X")), kMissing, "start.X", 4},
        RefusedRow{"MissingKHZWhenKZHIs0", Job(With("KZH", "\"0\"")), kMissing, "start.KHZ", 1},
        RefusedRow{"NonNumericX", OneALine(With("X", "\"abc\"")), kNotANumber, "start.X", 5},
        RefusedRow{"NotANumberWord", Job(With("Y", "\"NaN\"")), kNotANumber, "start.Y", 1},
        RefusedRow{"HugeNumber", Job(With("R", "\"1e400\"")), kOutOfRange, "start.R", 1},
        RefusedRow{"WrongType", Job(With("A1", "true")), kNotText, "start.A1", 1},
        RefusedRow{"NullValue", Job(With("Kj", "null")), kNotText, "start.Kj", 1},
        RefusedRow{"BatchNotAnObject", WithBatch("[]"), kNotAGroup, "batch", 1},
        RefusedRow{"BatchAxisUnknown",
                   WithBatch(R"({"axis": "sideways", "DR": "7.5", "precision": "0.0001", "offsets": "", "stations": []})"),
                   kBadAxis, "batch.axis", 1},
        RefusedRow{"BatchStationsNotAList",
                   WithBatch(R"({"axis": "own", "DR": "7.5", "precision": "0.0001", "offsets": "", "stations": "12400"})"),
                   kNotAList, "batch.stations", 1},
        RefusedRow{"BatchStationNotText",
                   WithBatch(R"({"axis": "own", "DR": "7.5", "precision": "0.0001", "offsets": "", "stations": [12400]})"),
                   kStationNotText, "batch.stations", 1},
        RefusedRow{"BatchMethodUnknown",
                   Job(kGood, R"("format": "capset-job", "version": 2, "decimal": ".")").substr(
                       0, Job(kGood, R"("format": "capset-job", "version": 2, "decimal": ".")").size() - 1) +
                       R"(, "batch": {"method": "closest", "axis": "own", "DR": "7.5", "precision": "", "offsets": "", "stations": []}})",
                   kBadMethod, "batch.method", 1},
        RefusedRow{"BatchSkewNotText",
                   Job(kGood, R"("format": "capset-job", "version": 2, "decimal": ".")").substr(
                       0, Job(kGood, R"("format": "capset-job", "version": 2, "decimal": ".")").size() - 1) +
                       R"(, "batch": {"method": "exact", "axis": "own", "DR": "7.5", "skew": [60], "precision": "", "offsets": "", "stations": []}})",
                   kNotText, "batch.skew", 1}),
    RowName<RefusedRow>);

// Version 2 keeps the exact batch's fields; a batch with no method is one
// of the window's formulas, as every batch before the method was.
TEST(JobFile, ExactBatchRoundTripsAndAMissingMethodIsTheWindows) {
  const Rig typed(Script().Start({}));
  const BatchInput exact{BatchInput::Axis::kParallel, "6.25", "", "-2 2", {"1# K1+040"}, CapMethod::kExact, "9.5",
                         "60.3015", "K1+050"};
  const auto read = ReadJobFile(WriteJobFile({*typed.session.TypedAnswers(), exact}));
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  EXPECT_EQ(std::get<JobFile>(read).batch, exact);
  const std::string v2 = Job(kGood, R"("format": "capset-job", "version": 2, "decimal": ".")");
  const auto noMethod = ReadJobFile(v2.substr(0, v2.size() - 1) +
                                    R"(, "batch": {"axis": "own", "DR": "7.5", "precision": "0.0001", "offsets": "3", "stations": ["1050"]}})");
  ASSERT_TRUE(std::holds_alternative<JobFile>(noMethod));
  EXPECT_EQ(std::get<JobFile>(noMethod).batch->method, CapMethod::kWindow);
}

// What the library reads that the old reader refused or read otherwise,
// and the other way round: a job file written today opens as before.
TEST(JobFile, NestedAsDeepAsAllowedIsStillAJob) {
  const auto read = ReadJobFile(Job(kGood).substr(0, Job(kGood).size() - 1) + ", \"notes\": " +
                                Nested(kJobFileMaxDepth - 1) + "}");
  EXPECT_TRUE(std::holds_alternative<JobFile>(read));
}

TEST(JobFile, AByteOrderMarkIsNotPartOfTheText) {
  EXPECT_TRUE(std::holds_alternative<JobFile>(ReadJobFile("\xEF\xBB\xBF" + Job(kGood))));
}

TEST(JobFile, AHundredMegabytesAreRefusedUnread) {
  const auto read = ReadJobFile(std::string(100 << 20, ' '));
  ASSERT_TRUE(std::holds_alternative<JobFileProblem>(read));
  EXPECT_EQ(std::get<JobFileProblem>(read).field, "");
}

TEST(JobFile, PlainJsonNumbersAreReadAsTheirText) {
  const auto read = ReadJobFile(Job(With("R", "300")));
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  EXPECT_EQ(std::get<JobFile>(read).start.answers.at("R"), "300");
}

// A value that reads as a number but that Start refuses: the field is
// named and the job in the window stays.
struct StartRefusesRow {
  const char* name;
  const char* key;
  const char* value;
};

class OpenRefusedByStart : public ::testing::TestWithParam<StartRefusesRow> {};

TEST_P(OpenRefusedByStart, LeavesTheWindowsJob) {
  Rig rig(Script().Start({}).Compute({.Kp = "1050", .DR = "7.5", .Precision = "0.0001"}));
  const auto boxesBefore = rig.Boxes();
  const CapJob jobBefore = rig.session.Job();
  const auto read = ReadJobFile(Job(With(GetParam().key, std::string("\"") + GetParam().value + "\"")));
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  const auto problem = rig.session.OpenJob(std::get<JobFile>(read).start);
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->field, std::string("start.") + GetParam().key);
  EXPECT_EQ(rig.Boxes(), boxesBefore);
  EXPECT_EQ(rig.session.Job().KZH, jobBefore.KZH);
  EXPECT_EQ(rig.session.Job().T, jobBefore.T);
}

INSTANTIATE_TEST_SUITE_P(Rows, OpenRefusedByStart,
                         ::testing::Values(StartRefusesRow{"PBeyond16Bits", "P", "40000"},
                                           StartRefusesRow{"AzimuthThatOverflows", "T", "1e306"},
                                           StartRefusesRow{"StationThatOverflows", "KZH", "1e306"}),
                         RowName<StartRefusesRow>);

// Random damage to a good job file: every result is a job or a clear
// refusal, never a crash; an opened job that Start refuses changes nothing.
TEST(JobFile, DamagedFilesAreRefusedOrOpenedCleanly) {
  const std::string good = Job(kGood).substr(0, Job(kGood).size() - 1) +
                           R"(, "batch": {"axis": "own", "DR": "7.5", "precision": "0.0001", "offsets": "-3.5", "stations": ["3# K1+40"]}})";
  std::mt19937 random(7);
  int refused = 0, opened = 0;
  for (int trial = 0; trial < 4000; ++trial) {
    std::string text = good;
    const int damage = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < damage; ++i) {
      const std::size_t at = random() % (text.size() + 1);
      switch (random() % 4) {
        case 0: if (at < text.size()) text[at] = static_cast<char>(random() % 256); break;
        case 1: text.insert(at, 1, "{}[]\",:0-e.\\"[random() % 12]); break;
        case 2: if (at < text.size()) text.erase(at, 1 + random() % 8); break;
        case 3: text.resize(at); break;
      }
    }
    const auto read = ReadJobFile(text);
    if (std::holds_alternative<JobFileProblem>(read)) {
      ++refused;
      continue;
    }
    Rig rig(Script().Start({}));
    const auto before = rig.Boxes();
    if (rig.session.OpenJob(std::get<JobFile>(read).start)) {
      EXPECT_EQ(rig.Boxes(), before);
      ++refused;
    } else {
      ++opened;
    }
  }
  EXPECT_GT(refused, 1000);
  EXPECT_GT(opened, 10);
}

}  // namespace
}  // namespace capset::testing
