// The as-built check in height, end to end through @check: a measured point
// with a height is judged in plan and in height apart, against the height
// of its nearest design point as its row was made; and the readers of
// measured heights.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "check_run.h"
#include "check_table.h"
#include "dialogue_run.h"
#include "measured_points.h"
#include "table.h"

namespace capset::testing {
namespace {

const char kJob[] =
    "@road\nstart 0 1000 2000 30\nline 100\narc 300 500 right\nline 100\n@end\n"
    "@profile\npvi 0 100\npvi 200 104 3000\npvi 500 101\n@end\n"
    "@xsec\nwidth 7.5 7.5\nsuper 60 100 400 440 4 right centre\n@end\n"
    "@batch\naxis own\nskew 60\ndr 6 6\ndepth 1.5\nstation 1# 180\n@end\n";

// The cap at K0+180 (tests/golden/point_heights_golden.py): its centre and
// left edge, and their heights 1.5 m below the deck.
constexpr double kCX = 1152.39616832901, kCY = 2095.36030018958, kCH = 101.995833333333;
constexpr double kLX = 1153.49778439621, kLY = 2088.53405314312, kLH = 102.194031142208;

std::string Point(double X, double Y, double H) {
  char line[160];
  std::snprintf(line, sizeof line, "point M %.9f %.9f %.9f", X, Y, H);
  return line;
}

struct HeightCheckRow {
  const char* name;
  std::string before;  // lines before the block (a job), empty for kJob
  std::string lines;   // the block's lines
  const char* nearest;
  const char* plan;    // ok | over
  double dH;           // ignored where `height` is "-"
  const char* height;  // ok | over | - ; nullptr: the line has no height fields
};

class HeightCheck : public ::testing::TestWithParam<HeightCheckRow> {};

TEST_P(HeightCheck, PlanAndHeightJudgedApart) {
  const HeightCheckRow& row = GetParam();
  const std::string job = row.before.empty() ? std::string(kJob) : row.before;
  const DialogueRun run = RunDialogue(job + "@check\n" + row.lines + "\n@end\n");
  std::vector<std::vector<std::string>> checks;
  for (const std::string& e : run.transcript.events) {
    if (e.starts_with("CHECK\t")) checks.push_back(TabFields(e.substr(6)));
  }
  ASSERT_EQ(checks.size(), 1u) << ::testing::PrintToString(run.transcript.events);
  const std::vector<std::string>& c = checks[0];
  EXPECT_EQ(c[6], row.nearest);
  EXPECT_EQ(c[10], row.plan);
  if (row.height == nullptr) {
    EXPECT_EQ(c.size(), 11u);
    return;
  }
  ASSERT_EQ(c.size(), 13u);
  EXPECT_EQ(c[12], row.height);
  if (std::string(row.height) != "-") {
    EXPECT_NEAR(std::strtod(c[11].c_str(), nullptr), row.dH, 5.1e-7);
  }
}

const std::string kBeforeTheProfile =
    "@road\nstart 0 1000 2000 30\nline 100\narc 300 500 right\nline 100\n@end\n"
    "@batch\naxis own\nskew 60\ndr 6 6\ndepth 1.5\nstation 1# 180\n@end\n"
    "@profile\npvi 0 100\npvi 200 104 3000\npvi 500 101\n@end\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, HeightCheck,
    ::testing::Values(
        HeightCheckRow{"WithinBoth", "", Point(kCX, kCY, kCH + 0.003), "C", "ok", 0.003, "ok"},
        HeightCheckRow{"OverByHeightOnly", "", Point(kLX, kLY, kLH + 0.02), "L", "ok", 0.02, "over"},
        HeightCheckRow{"LowByHeightOnly", "", Point(kLX, kLY, kLH - 0.011), "L", "ok", -0.011, "over"},
        HeightCheckRow{"OverInPlanOnly", "", Point(kCX + 0.02, kCY, kCH), "C", "over", 0, "ok"},
        HeightCheckRow{"OverInBoth", "", Point(kCX, kCY - 0.03, kCH - 0.05), "C", "over", -0.05, "over"},
        HeightCheckRow{"AWiderHeightTolerance", "", "htolerance 0.025\n" + Point(kLX, kLY, kLH + 0.02), "L", "ok",
                       0.02, "ok"},
        HeightCheckRow{"NoHeightGiven", "", "point M 1153.497784 2088.534053", "L", "ok", 0, nullptr},
        // A row made before the profile has no design height to compare with.
        HeightCheckRow{"NoDesignHeight", kBeforeTheProfile, Point(kCX, kCY, kCH), "C", "ok", 0, "-"}),
    RowName<HeightCheckRow>);

TEST(HeightCheck, AHeightToleranceBelowZeroIsRefused) {
  const DialogueRun run = RunDialogue(std::string(kJob) + "@check\nhtolerance -0.01\n" + Point(kCX, kCY, kCH) + "\n@end\n");
  EXPECT_EQ(run.Events("MESSAGE").size(), 1u);
  for (const std::string& e : run.transcript.events) EXPECT_FALSE(e.starts_with("CHECK\t")) << e;
}

// The summary says how many points are over in plan and how many in height,
// and the table's verdicts tell the two apart.
TEST(HeightCheck, SummaryAndCellsTellPlanFromHeight) {
  const DialogueRun made = RunDialogue(kJob);
  ASSERT_EQ(made.records.size(), 1u);
  const Road road = *made.records[0].Exact()->solvedOn;
  const std::vector<MeasuredPoint> points{{"A", {kCX + 0.02, kCY}, kCH}, {"B", {kLX, kLY}, kLH + 0.02},
                                          {"C", {kLX, kLY}, std::nullopt}};
  const CheckRun run = RunCheck(&road, made.records, points, 0.01, 0.01);
  ASSERT_EQ(run.results.size(), 3u);
  EXPECT_EQ(OverCount(run.results), 1);
  EXPECT_EQ(HeightOverCount(run.results), 1);
  EXPECT_EQ(HeightCheckedCount(run.results), 2);
  const std::string summary = SummaryOf(run.results, 10, 10);
  EXPECT_NE(summary.find("1 个超限"), std::string::npos) << summary;
  EXPECT_NE(summary.find("2 个点带实测高程"), std::string::npos) << summary;
  EXPECT_NE(summary.find("1 个高程超限"), std::string::npos) << summary;
  const auto a = CheckCells(run.results[0], ".", true), b = CheckCells(run.results[1], ".", true),
             c = CheckCells(run.results[2], ".", true);
  ASSERT_EQ(a.size(), CheckHeadingsFor(true).size());
  EXPECT_EQ(a[12], "平面超限");
  EXPECT_EQ(a[16], "合格");
  EXPECT_EQ(b[12], "合格");
  EXPECT_EQ(b[15], "20.0");
  EXPECT_EQ(b[16], "高程超限");
  EXPECT_EQ(c[13], "");  // measured without a height
  EXPECT_EQ(c[16], "");
  // Without any height the cells and headings are the plan's alone.
  EXPECT_EQ(CheckCells(run.results[2], ".").size(), CheckHeadingsFor(false).size());
  EXPECT_EQ(CheckCsv({run.results[2]}).find("实测 H"), std::string::npos);
  EXPECT_NE(CheckCsv(run.results).find("实测 H"), std::string::npos);
}

struct ReadRow {
  const char* name;
  bool file;  // a point file, else typed lines
  const char* text;
  bool read;
  std::optional<double> H;
};

class MeasuredHeights : public ::testing::TestWithParam<ReadRow> {};

TEST_P(MeasuredHeights, ReadOrRefused) {
  const ReadRow& row = GetParam();
  const PointsReading read = row.file ? ReadPointFile(row.text) : ReadTypedPoints(row.text, NumberSymbols{});
  const auto* points = std::get_if<std::vector<MeasuredPoint>>(&read);
  ASSERT_EQ(points != nullptr, row.read);
  if (!row.read) return;
  ASSERT_EQ(points->size(), 1u);
  EXPECT_EQ((*points)[0].H, row.H);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MeasuredHeights,
    ::testing::Values(ReadRow{"TypedThreeColumns", false, "M1 1033.829 2036.772", true, std::nullopt},
                      ReadRow{"TypedFourthColumn", false, "M1 1033.829 2036.772 412.305", true, 412.305},
                      ReadRow{"TypedTabs", false, "M1\t1033.829\t2036.772\t412.305", true, 412.305},
                      ReadRow{"TypedHeightNotANumber", false, "M1 1033.829 2036.772 4x", false, std::nullopt},
                      ReadRow{"TypedHeightBeyondAnyGround", false, "M1 1033.829 2036.772 1e9", false, std::nullopt},
                      ReadRow{"FileHeight", true, "M1,,2036.772,1033.829,412.305\r\n", true, 412.305},
                      ReadRow{"FileEmptyHeight", true, "M1,,2036.772,1033.829,\r\n", true, std::nullopt},
                      ReadRow{"FileHeightNotANumber", true, "M1,,2036.772,1033.829,x\r\n", false, std::nullopt}),
    RowName<ReadRow>);

}  // namespace
}  // namespace capset::testing
