// Heights where points are given, end to end through the dialogue target:
// a skewed cap on an arc, each of its points at its own foot, against an
// independent computation (tests/golden/point_heights_golden.py); the
// batch's depth and its refusals; rows that keep their heights when the
// profile changes; a point off the profile; the station table's H; and the
// same scripts without a profile reading as they always have.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "dialogue_run.h"
#include "table.h"

namespace capset::testing {
namespace {

// Printed to 6 decimals: half a unit of the last place, and the nanometre of the road.
constexpr double kPrinted = 5.1e-7;

const char kRoad[] = "@road\nstart 0 1000 2000 30\nline 100\narc 300 500 right\nline 100\n@end\n";
const char kProfile[] = "@profile\npvi 0 100\npvi 200 104 3000\npvi 500 101\n@end\n";
const char kSection[] = "@xsec\nwidth 7.5 7.5\nsuper 60 100 400 440 4 right centre\n@end\n";
// Three caps on the arc, each at 60° to its own tangent, 1.5 m below the deck.
const char kBridge[] =
    "@batch\naxis own\nskew 60\ndr 6 6\noffsets -3 3\ndepth 1.5\nstation 1# 180\nstation 2# 200\n"
    "station 3# K0+230\n@end\n@points\n";

// The lines of one tag, each as its fields after the tag.
std::vector<std::vector<std::string>> Tagged(const DialogueRun& run, const std::string& tag) {
  std::vector<std::vector<std::string>> lines;
  for (const std::string& e : run.transcript.events) {
    if (e.starts_with(tag + "\t")) lines.push_back(TabFields(e.substr(tag.size() + 1)));
  }
  return lines;
}

double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

struct PointRow {
  const char* name;
  int cap;            // 0, 1, 2: the cap of 180, 200, 230
  const char* point;  // C, L, R, P1, P2
  double station, offset, H;
};

class SkewedCapHeights : public ::testing::TestWithParam<PointRow> {};

// Each point of a skewed cap at its own station: the edges stand 3.4 m
// before and 3.5 m after the centre's station, on a crest curve and a
// superelevated section, so a height taken at the centre's station or at
// the crown would be centimetres off.
TEST_P(SkewedCapHeights, EachPointAtItsOwnFootLessTheDepth) {
  const PointRow& row = GetParam();
  const DialogueRun run = RunDialogue(std::string(kRoad) + kProfile + kSection + kBridge);
  const auto points = Tagged(run, "PT");
  ASSERT_EQ(points.size(), 15u) << ::testing::PrintToString(run.transcript.events);
  const char* names[] = {"C", "L", "R", "P1", "P2"};
  int at = -1;
  for (int i = 0; i < 5; ++i) {
    if (std::string(names[i]) == row.point) at = row.cap * 5 + i;
  }
  ASSERT_GE(at, 0);
  const std::vector<std::string>& pt = points[static_cast<std::size_t>(at)];
  ASSERT_EQ(pt.size(), 7u);
  EXPECT_EQ(pt[1], row.point);
  EXPECT_NEAR(Number(pt[4]), row.station, kPrinted);
  EXPECT_NEAR(Number(pt[5]), row.offset, kPrinted);
  EXPECT_NEAR(Number(pt[6]), row.H, kPrinted);
}

// From tests/golden/point_heights_golden.py (mpmath at 50 digits, the
// profile in exact rationals).
INSTANTIATE_TEST_SUITE_P(
    Golden, SkewedCapHeights,
    ::testing::Values(PointRow{"K180_C", 0, "C", 180.0, 0, 101.995833333333},
                      PointRow{"K180_L", 0, "L", 176.583686450261, -6, 102.194031142208},
                      PointRow{"K180_R", 0, "R", 183.51333112613, 6, 101.794764947205},
                      PointRow{"K180_P1", 0, "P1", 178.507758368541, -2.60031457546, 102.082065299804},
                      PointRow{"K180_P2", 0, "P2", 181.507830369319, 2.59581446409, 101.909213183675},
                      PointRow{"K200_C", 1, "C", 200.0, 0, 102.1625},
                      PointRow{"K200_L", 1, "L", 196.583686450261, -6, 102.38347323254},
                      PointRow{"K200_R", 1, "R", 203.51333112613, 6, 101.938009406364},
                      PointRow{"K200_P1", 1, "P1", 198.507758368541, -2.60031457546, 102.258680244013},
                      PointRow{"K200_P2", 1, "P2", 201.507830369319, 2.59581446409, 102.065827647879},
                      PointRow{"K230_C", 2, "C", 230.0, 0, 102.1625},
                      PointRow{"K230_L", 2, "L", 226.583686450261, -6, 102.417636368037},
                      PointRow{"K230_R", 2, "R", 233.51333112613, 6, 101.902876095102},
                      PointRow{"K230_P1", 2, "P1", 228.507758368541, -2.60031457546, 102.273602660328},
                      PointRow{"K230_P2", 2, "P2", 231.507830369319, 2.59581446409, 102.050749344186}),
    RowName<PointRow>);

// The same heights in the log's rows: each point's H right after its Y,
// to the millimetre.
TEST(SkewedCapHeights, LogRowsCarryEachHAfterItsY) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + kProfile + kSection + kBridge);
  ASSERT_EQ(run.transcript.rows.size(), 3u);
  const std::vector<std::string>& row = run.transcript.rows[0];
  // 序号 … 中桩纵座标 X (10), 中桩横座标 Y (11), then 中桩高程 H.
  EXPECT_EQ(row[11], "2095.360");
  EXPECT_EQ(row[12], "101.996");
  EXPECT_EQ(row[17], "102.194");  // the left edge: 边点一 X, Y, H
  EXPECT_EQ(row[25], "101.795");  // the right edge
  ASSERT_GE(row.size(), 47u);
  EXPECT_EQ(row.back(), "圆曲线");
  EXPECT_EQ(row[row.size() - 2], "101.909");  // P2 H before its element
}

struct DepthRow {
  const char* name;
  const char* depth;  // the line, empty for none
  const char* expected;  // the centre's H of the cap at 200, or the start of the MESSAGE
};

class BatchDepth : public ::testing::TestWithParam<DepthRow> {};

TEST_P(BatchDepth, TakenOrRefusedNamingTheField) {
  const DepthRow& row = GetParam();
  std::string script = std::string(kRoad) + kProfile + kSection + "@batch\naxis own\nskew 60\ndr 6\n";
  if (*row.depth != '\0') script += std::string("depth ") + row.depth + "\n";
  script += "station 200\n@end\n@points\n";
  const DialogueRun run = RunDialogue(script);
  const auto points = Tagged(run, "PT");
  if (std::string(row.expected).starts_with("MESSAGE")) {
    EXPECT_TRUE(points.empty());
    const auto messages = run.Events("MESSAGE");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(("MESSAGE " + messages[0]).find(row.expected), std::string::npos) << messages[0];
    return;
  }
  ASSERT_EQ(points.size(), 3u) << ::testing::PrintToString(run.transcript.events);
  EXPECT_EQ(points[0][6], row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchDepth,
    ::testing::Values(DepthRow{"NoneIsTheDeck", "", "103.662500"}, DepthRow{"BlankIsTheDeck", " ", "103.662500"},
                      DepthRow{"Metres", "1.5", "102.162500"}, DepthRow{"ZeroIsTheDeck", "0", "103.662500"},
                      DepthRow{"AtTheRangesTop", "100", "3.662500"},
                      DepthRow{"NegativeIsASignTypedWrong", "-1.5", "MESSAGE 批量计算未进行，请改正以下各项： 桥面至盖梁顶："},
                      DepthRow{"BeyondTheRange", "100.5", "MESSAGE 批量计算未进行，请改正以下各项： 桥面至盖梁顶："},
                      DepthRow{"NotANumber", "1.5m", "MESSAGE 批量计算未进行，请改正以下各项： 桥面至盖梁顶："}),
    RowName<DepthRow>);

// A row keeps the heights it was made with: a profile mended after the
// bridge was staked changes the rows made after it, never one already made.
TEST(RowHeights, KeptWhenTheProfileChangesLater) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + kProfile +
                                      "@batch\naxis own\nskew 90\ndr 6\nstation 1# 200\n@end\n"
                                      "@profile\npvi 0 200\npvi 500 210\n@end\n"
                                      "@batch\naxis own\nskew 90\ndr 6\nstation 2# 200\n@end\n@points\n");
  const auto points = Tagged(run, "PT");
  ASSERT_EQ(points.size(), 6u);
  EXPECT_EQ(points[0][6], "103.662500");  // the first profile: at its PVI, less the curve's E
  EXPECT_EQ(points[3][6], "204.000000");  // the second: 200 + 10 × 200 / 500
}

// A point whose foot lies outside the profile has no height: "-" on PT, an
// empty H in the point file, never 0.
TEST(RowHeights, APointOffTheProfileHasNone) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + "@profile\npvi 0 100\npvi 179 103.58\n@end\n" +
                                      "@batch\naxis own\nskew 60\ndr 6\nstation 180\n@end\n@points\n");
  const auto points = Tagged(run, "PT");
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0][6], "-");  // C at K0+180
  EXPECT_EQ(points[2][6], "-");  // R at K0+183.5
  // L at K0+176.583686: the grade of 2 %, the crown of 2 % 6 m out.
  EXPECT_NEAR(Number(points[1][6]), 100 + 0.02 * 176.583686450261 - 0.12, kPrinted);
  ASSERT_EQ(run.transcript.rows.size(), 1u);
  EXPECT_EQ(run.transcript.rows[0][12], "-");
}

// Without a profile every line reads as it always has: PT without H, the
// rows without H columns.
TEST(RowHeights, WithoutAProfileNothingChanges) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + kSection + kBridge);
  const auto points = Tagged(run, "PT");
  ASSERT_EQ(points.size(), 15u);
  for (const auto& pt : points) EXPECT_EQ(pt.size(), 6u);
  ASSERT_EQ(run.transcript.rows.size(), 3u);
  EXPECT_EQ(run.transcript.rows[0][12], "左侧（外侧）");
  for (const CapRecord& r : run.records) EXPECT_FALSE(r.heights.has_value());
}

struct TableRow {
  const char* name;
  double station, offset, H;
};

class StationTableHeights : public ::testing::TestWithParam<TableRow> {};

// The finished surface at each row: a station in the transition, before the
// vertical curve, at its PVI and after it, on the centreline and either side.
TEST_P(StationTableHeights, TheFinishedSurface) {
  const TableRow& row = GetParam();
  const DialogueRun run = RunDialogue(std::string(kRoad) + kProfile + kSection + "@table 80 90 10 -6 6\n" +
                                      "@table 150 250 50 -6 6\n");
  const auto lines = Tagged(run, "TABLE");
  ASSERT_EQ(lines.size(), 15u) << ::testing::PrintToString(run.transcript.events);
  bool found = false;
  for (const auto& line : lines) {
    ASSERT_EQ(line.size(), 6u);
    if (std::abs(Number(line[0]) - row.station) > 1e-9 || std::abs(Number(line[1]) - row.offset) > 1e-9) continue;
    found = true;
    EXPECT_NEAR(Number(line[5]), row.H, kPrinted);
  }
  EXPECT_TRUE(found);
}

// From tests/golden/point_heights_golden.py, the surface in exact rationals.
INSTANTIATE_TEST_SUITE_P(Golden, StationTableHeights,
                         ::testing::Values(TableRow{"Transition_C", 80, 0, 101.6},
                                           TableRow{"Transition_OuterLeft", 80, -6, 101.66},
                                           TableRow{"Transition_InnerRight", 80, 6, 101.48},
                                           TableRow{"BeforeBVC_C", 150, 0, 103.0},
                                           TableRow{"BeforeBVC_L", 150, -6, 103.24},
                                           TableRow{"BeforeBVC_R", 150, 6, 102.76},
                                           TableRow{"AtThePVI_C", 200, 0, 103.6625},
                                           TableRow{"AtThePVI_L", 200, -6, 103.9025},
                                           TableRow{"AtThePVI_R", 200, 6, 103.4225},
                                           TableRow{"AfterEVC_C", 250, 0, 103.5},
                                           TableRow{"AfterEVC_L", 250, -6, 103.74},
                                           TableRow{"AfterEVC_R", 250, 6, 103.26}),
                         RowName<TableRow>);

TEST(StationTableHeights, OffTheProfileADashAndWithoutOneNoColumn) {
  const DialogueRun run = RunDialogue(std::string(kRoad) + "@table 0 20 20\n" +
                                      "@profile\npvi 10 100\npvi 500 110\n@end\n@table 0 20 20\n");
  const auto lines = Tagged(run, "TABLE");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].size(), 5u);  // before the profile: as always
  EXPECT_EQ(lines[1].size(), 5u);
  ASSERT_EQ(lines[2].size(), 6u);
  EXPECT_EQ(lines[2][5], "-");  // K0+000 lies before the first PVI
  EXPECT_NEAR(Number(lines[3][5]), 100 + 10.0 * 10 / 490, kPrinted);
}

}  // namespace
}  // namespace capset::testing

namespace capset::testing {
namespace {

struct WindowRowsRow {
  const char* name;
  const char* rows;  // what makes the rows after Start and the profile
  double depth;
};

class WindowRowHeights : public ::testing::TestWithParam<WindowRowsRow> {};

// A row of the window's formulas (a Compute, a batch by them) takes each
// point's height at its foot on the working road: every PT height is the
// @z of its own station and offset, less the depth.
TEST_P(WindowRowHeights, EachPointIsTheSurfaceAtItsFoot) {
  const WindowRowsRow& row = GetParam();
  const std::string job = "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n"
                          "@profile\npvi 900 100\npvi 1030 103 2000\npvi 1200 101\n@end\n"
                          "@xsec\ncrown 1.5\n@end\n" + std::string(row.rows) + "@points\n";
  const auto points = Tagged(RunDialogue(job), "PT");
  ASSERT_GE(points.size(), 3u);
  std::string asks = job;
  for (const auto& pt : points) {
    ASSERT_EQ(pt.size(), 7u);
    asks += "@z " + pt[4] + " " + pt[5] + "\n";
  }
  const auto z = Tagged(RunDialogue(asks), "Z");
  ASSERT_EQ(z.size(), points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    SCOPED_TRACE(points[i][1]);
    EXPECT_NEAR(Number(points[i][6]), Number(z[i][2]) - row.depth, 1.1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindowRowHeights,
    ::testing::Values(WindowRowsRow{"Compute", "@compute\n1050\n7.5\n0.0001\n", 0},
                      WindowRowsRow{"WindowBatch",
                                    "@batch\nmethod window\ndr 7.5\nprecision 0.0001\noffsets -2 2\ndepth 0.8\n"
                                    "station 1# 1040\nstation 2# 1060\n@end\n",
                                    0.8},
                      WindowRowsRow{"ExactBatchOnTheStartRoad",
                                    "@batch\ndr 6.25 9.5\noffsets 3\ndepth 2\nstation 1# 1020\nstation 2# 1045\n@end\n",
                                    2}),
    RowName<WindowRowsRow>);

}  // namespace
}  // namespace capset::testing
