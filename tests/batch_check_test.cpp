// The batch dialog's entries: station lines in every form the window shows
// and a user types, the refusals of each field and line in exact words, and
// random text that must never slip through or crash.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "batch_check.h"
#include "batch_texts.h"
#include "cap_result.h"
#include "round3.h"
#include "station_text.h"
#include "table.h"

namespace capset::testing {
namespace {

const NumberSymbols kPoint{};
const NumberSymbols kComma{.decimal = ","};

struct StationRow {
  const char* name;
  std::string line;
  NumberSymbols symbols;
  std::string entryName;  // when read
  double station;         // when read
  const char* reason;     // nullptr when read
};

class StationLines : public ::testing::TestWithParam<StationRow> {};

TEST_P(StationLines, ReadOrRefusedWithItsReason) {
  const StationRow& r = GetParam();
  const auto read = ReadStationLine(r.line, r.symbols);
  if (r.reason != nullptr) {
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), r.reason);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<StationEntry>(read)) << std::get<std::string>(read);
  EXPECT_EQ(std::get<StationEntry>(read).name, r.entryName);
  EXPECT_EQ(std::get<StationEntry>(read).station, r.station);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StationLines,
    ::testing::Values(
        StationRow{"PlainMetres", "12400", kPoint, "", 12400, nullptr},
        StationRow{"PlainWithFraction", "12400.5", kPoint, "", 12400.5, nullptr},
        StationRow{"NamedPlain", "3# 12400", kPoint, "3#", 12400, nullptr},
        StationRow{"KForm", "K12+400", kPoint, "", 12400, nullptr},
        StationRow{"KFormWithFraction", "K12+400.123", kPoint, "", 12000 + 400.123, nullptr},
        StationRow{"AsTheWindowShowsIt", "K 12+ 345.678", kPoint, "", 12000 + 345.678, nullptr},
        StationRow{"LowerCaseK", "k 1+ 54.538", kPoint, "", 1000 + 54.538, nullptr},
        StationRow{"NamedKForm", "3# K12+400", kPoint, "3#", 12400, nullptr},
        StationRow{"NameOfTwoWords", "左幅 3# K12+400", kPoint, "左幅 3#", 12400, nullptr},
        StationRow{"NameGluedToTheK", "3#K12+400", kPoint, "3#", 12400, nullptr},
        StationRow{"NameWithAK", "K3 K12+400", kPoint, "K3", 12400, nullptr},
        StationRow{"PastedFromASpreadsheet", "3#\t12400\r", kPoint, "3#", 12400, nullptr},
        StationRow{"IdeographicSpace", "3#\u300012400", kPoint, "3#", 12400, nullptr},
        StationRow{"MetresWithoutTheZero", "K 0+ .5", kPoint, "", 0.5, nullptr},
        StationRow{"MetresInExponentForm", "K 0+ 1E-09", kPoint, "", 1e-9, nullptr},
        StationRow{"PlusSignedPlainMetres", "+12400", kPoint, "", 12400, nullptr},
        StationRow{"CommaLocalePlain", "12400,5", kComma, "", 12400.5, nullptr},
        StationRow{"CommaLocaleKForm", "K12+400,5", kComma, "", 12400.5, nullptr},
        StationRow{"CommaLocaleWindowText", "K 12+ 400.5", kComma, "", 12400.5, nullptr},
        StationRow{"MetresOf1000", "K12+1000", kPoint, "", 0, kMetresTooLarge},
        StationRow{"MetresAbove1000", "K12+1000.5", kPoint, "", 0, kMetresTooLarge},
        StationRow{"NegativeKilometres", "K-1+20", kPoint, "", 0, kKmNegative},
        StationRow{"NegativeMetres", "K12+-5", kPoint, "", 0, kMetresNegative},
        StationRow{"FractionalKilometres", "K1.5+20", kPoint, "", 0, kKmNotWhole},
        StationRow{"NoKilometres", "K+20", kPoint, "", 0, kKmNotWhole},
        StationRow{"NoMetres", "K12+", kPoint, "", 0, kMetresMissing},
        StationRow{"MetresNotANumber", "K12+4OO", kPoint, "", 0, kMetresNotNumber},
        StationRow{"PlusWithoutK", "12+400", kPoint, "", 0, kNotAStation},
        StationRow{"Word", "abc", kPoint, "", 0, kNotAStation},
        StationRow{"CommaInAPointLocale", "12400,5", kPoint, "", 0, kNotAStation},
        StationRow{"BeyondADouble", "1e400", kPoint, "", 0, kStationOutOfRange},
        StationRow{"TextWouldOverflow", "1.7e308", kPoint, "", 0, "“1.7e308”超出了 -100000000 至 100000000 m 的范围。"},
        StationRow{"AtTheEndOfTheRange", "-100000000", kPoint, "", -1e8, nullptr},
        StationRow{"JustBeyondTheRange", "K100000+000.001", kPoint, "", 0,
                   "“K100000+000.001”超出了 -100000000 至 100000000 m 的范围。"},
        StationRow{"KilometresBeyondADouble", "K" + std::string(320, '9') + "+0", kPoint, "", 0,
                   kStationOutOfRange}),
    RowName<StationRow>);

// The station texts the window writes read back as the stations they show.
TEST(StationLinesProperty, WindowStationTextsReadBack) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> stations(0, 2e6);
  for (int trial = 0; trial < 2000; ++trial) {
    const double s = stations(random);
    const std::string text = StationText(s, {trial % 2 ? "K" : "k", KmRule::kFloor, MetreRule::kRounded});
    const auto read = ReadStationLine(text, kPoint);
    const double km = std::floor(s / 1000);
    const double metres = Round3(s - km * 1000);
    if (metres >= 1000) {  // a metre part that rounds up to 1000 is shown, never carried
      EXPECT_EQ(std::get<std::string>(read), kMetresTooLarge) << text;
    } else {
      ASSERT_TRUE(std::holds_alternative<StationEntry>(read)) << text;
      EXPECT_EQ(std::get<StationEntry>(read).station, km * 1000 + metres) << text;
    }
  }
}

BatchInput GoodInput() {
  return {BatchInput::Axis::kOwn, "7.5", "0.0001", "-3.5 3.5", {"1# K1+050", "", "2# 1060", "1070"}};
}

TEST(CheckBatch, GoodEntriesMakeAPlan) {
  const auto checked = CheckBatch(GoodInput(), Solver::kCmd1, kPoint);
  ASSERT_TRUE(std::holds_alternative<BatchPlan>(checked));
  const BatchPlan& plan = std::get<BatchPlan>(checked);
  EXPECT_EQ(plan.axis, BatchInput::Axis::kOwn);
  EXPECT_EQ(plan.DR, 7.5f);
  EXPECT_EQ(plan.precision, 0.0001f);
  EXPECT_EQ(plan.offsets, (std::vector<double>{-3.5, 3.5}));
  ASSERT_EQ(plan.stations.size(), 3u);
  EXPECT_EQ(plan.stations[1].line, 3) << "blank lines count, so numbers match the dialog's lines";
  EXPECT_EQ(plan.stations[1].entry.name, "2#");
  EXPECT_EQ(plan.stations[2].entry.name, "");
}

struct ProblemRow {
  const char* name;
  BatchInput input;
  Solver solver;
  std::vector<std::string> problems;
};

class BatchProblems : public ::testing::TestWithParam<ProblemRow> {};

TEST_P(BatchProblems, EveryOneListedInFieldOrder) {
  const auto checked = CheckBatch(GetParam().input, GetParam().solver, kPoint);
  ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(checked));
  EXPECT_EQ(std::get<std::vector<std::string>>(checked), GetParam().problems);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchProblems,
    ::testing::Values(
        ProblemRow{"AllFieldsAndLines",
                   {BatchInput::Axis::kParallel, "", "abc", "-3.5 x", {"K12+1000.5", "3# 1200", "", "3# 1300", "K-1+20"}},
                   Solver::kCmd1,
                   {"DR：没有输入数值。", "精度：“abc”不是数值。", "轴线上的点：“x”不是数值。",
                    "第 1 行“K12+1000.5”：加号后的米数须小于 1000。",
                    "第 4 行“3# 1300”：名称“3#”与第 2 行重复，每个盖梁的名称须不同。",
                    "第 5 行“K-1+20”：公里数不能为负。"}},
        ProblemRow{"RefusedAsTheSolverRefusesThem",
                   {BatchInput::Axis::kParallel, "0", "-1", "", {"1050"}},
                   Solver::kCmd3,
                   {"DR：DR 不能为 0。", "精度：计算精度须大于 0。"}},
        ProblemRow{"BeyondAFloat", {BatchInput::Axis::kParallel, "1e39", "1e-4", "", {"1050"}}, Solver::kCmd1,
                   {"DR：数值超出单精度数的范围。"}},
        ProblemRow{"NoStations", {BatchInput::Axis::kParallel, "7.5", "1e-4", "", {"", "  "}}, Solver::kCmd1,
                   {kNoStations}}),
    RowName<ProblemRow>);

TEST(CheckBatch, SquareCapTakesAnyDRAndPrecision) {
  BatchInput input = GoodInput();
  input.DR = "0";
  input.precision = "-5";
  EXPECT_TRUE(std::holds_alternative<BatchPlan>(CheckBatch(input, Solver::kCmd5, kPoint)));
}

TEST(CheckBatch, ListsBeyondTheLimitAreRefusedWhole) {
  BatchInput input = GoodInput();
  input.stations.assign(kMaxBatchStations, "12400");
  EXPECT_TRUE(std::holds_alternative<BatchPlan>(CheckBatch(input, Solver::kCmd1, kPoint)));
  input.stations.push_back("12400");
  const auto checked = CheckBatch(input, Solver::kCmd1, kPoint);
  ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(checked));
  EXPECT_EQ(std::get<std::vector<std::string>>(checked).back(), TooManyStationsProblem(kMaxBatchStations));
}

// Random text from the characters a station line is made of: whatever is
// read is a finite station that can be shown, and a name with no blank
// around it; everything else has its reason.
TEST(CheckBatchProperty, RandomTextIsReadOrRefusedNeverCrashes) {
  const std::vector<std::string> pieces = {"K", "k", "+", "-", ".", ",", "#", " ", "\t", "0", "1", "9", "e",
                                           "E", "中", "\u3000", "1000", "999.9995", "1e308", "\xff", ""};
  std::mt19937_64 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  for (int trial = 0; trial < 5000; ++trial) {
    std::string line;
    for (int n = length(random); n > 0; --n) line += pieces[pick(random)];
    const auto read = ReadStationLine(line, trial % 2 ? kPoint : kComma);
    if (const auto* entry = std::get_if<StationEntry>(&read)) {
      EXPECT_TRUE(std::isfinite(entry->station)) << line;
      EXPECT_NO_THROW(CentreStationText(entry->station)) << line;
      EXPECT_FALSE(entry->name.starts_with(' ') || entry->name.ends_with(' ')) << line;
    } else {
      EXPECT_FALSE(std::get<std::string>(read).empty()) << line;
    }
  }
}

}  // namespace
}  // namespace capset::testing
