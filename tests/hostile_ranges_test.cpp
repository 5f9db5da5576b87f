// Hostile numbers on the caps' side, end to end through the script
// language: a number outside the range its field can have on a real road
// is refused where it is read, the refusal names the field, the value and
// the range, nothing is computed from it and what was there stays. The
// numbers at the ends of each range are taken. And a row whose numbers
// cannot be written never ends a view: its status says so.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch_texts.h"
#include "check_texts.h"
#include "dialogue_run.h"
#include "exact_solve.h"
#include "field_ranges.h"
#include "log_row.h"
#include "log_texts.h"
#include "range_texts.h"
#include "road_build.h"
#include "road_cap_texts.h"
#include "road_texts.h"
#include "table.h"

namespace capset::testing {
namespace {

// A road of a straight and an arc: caps anywhere on 0 … 1436 m.
constexpr char kRoad[] = "@road\nstart 0 0 0 0\nline 400\narc 1036 1000 left\n@end\n";
// A good batch first, so that a refused one is seen to keep its row.
constexpr char kGoodBatch[] = "@batch\ndr 7.5\nskew 90\ndesign 500\nstation 1# 500\n@end\n";

struct RangeRow {
  const char* name;
  std::string lines;   // after the road and the good batch
  std::string reason;  // what the one MESSAGE must hold; empty: no MESSAGE at all
  std::size_t rows;    // rows in the log at the end
};

class RangeRefusals : public ::testing::TestWithParam<RangeRow> {};

TEST_P(RangeRefusals, NameTheFieldTheValueAndTheRangeAndKeepTheLog) {
  const RangeRow& r = GetParam();
  const DialogueRun run = RunDialogue(std::string(kRoad) + kGoodBatch + r.lines);
  const std::vector<std::string> messages = run.Events("MESSAGE");
  if (r.reason.empty()) {
    EXPECT_TRUE(messages.empty()) << messages.front();
  } else {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages.front().find(r.reason), std::string::npos) << messages.front();
  }
  EXPECT_EQ(run.records.size(), r.rows);
  for (const std::string& line : run.transcript.events) {
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
  }
}

std::string Batch(const std::string& fields, const std::string& stations = "station 2# 600\n") {
  return "@batch\n" + fields + stations + "@end\n";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RangeRefusals,
    ::testing::Values(
        RangeRow{"HalfWidthOfAContinent", Batch("dr 1e308\nskew 90\ndesign 500\n"),
                 BatchFieldProblem(kBatchDRField, NotWithinReason("1e308", kHalfWidthRange)), 1},
        RangeRow{"SubnormalHalfWidth", Batch("dr 1e-320\nskew 90\ndesign 500\n"),
                 BatchFieldProblem(kBatchDRField, NotWithinReason("1e-320", kHalfWidthRange)), 1},
        RangeRow{"ZeroHalfWidthKeepsItsOwnReason", Batch("dr 0\nskew 90\ndesign 500\n"),
                 BatchFieldProblem(kBatchDRField, kHalfWidthNotPositive), 1},
        RangeRow{"RightHalfWidthBeyond", Batch("dr 7.5 20000\nskew 90\ndesign 500\n"),
                 BatchFieldProblem(kBatchRightDRField, NotWithinReason("20000", kHalfWidthRange)), 1},
        RangeRow{"HalfWidthsAtTheEndsOfTheRange", Batch("dr 0.001 10000\nskew 90\ndesign 500\n"), "", 2},
        RangeRow{"OffsetAlongTheAxisBeyond", Batch("dr 7.5\nskew 90\ndesign 500\noffsets -3.5 1e160\n"),
                 BatchFieldProblem(kBatchOffsetsField, NotWithinReason("1e160", kOffsetRange)), 1},
        RangeRow{"OffsetsAtTheEndsOfTheRange", Batch("dr 7.5\nskew 90\ndesign 500\noffsets -10000 10000\n"), "", 2},
        RangeRow{"StationInMetresBeyond", Batch("dr 7.5\nskew 90\ndesign 500\n", "station 3# 1e9\n"),
                 BatchLineProblem(1, "3# 1e9", NotWithinReason("1e9", kStationRange)), 1},
        RangeRow{"StationInKFormBeyond", Batch("dr 7.5\nskew 90\ndesign 500\n", "station K100001+000\n"),
                 NotWithinReason("K100001+000", kStationRange), 1},
        RangeRow{"DesignStationBeyond", Batch("dr 7.5\nskew 90\ndesign -2e8\n"),
                 BatchFieldProblem(kBatchDesignField, NotWithinReason("-2e8", kStationRange)), 1},
        RangeRow{"WindowHalfWidthBeyond",
                 "@start\n1000\n1000\n2000\n45\n150\n100\n1050\n60\n1\n" +
                     Batch("method window\ndr 20000\nprecision 0.0001\n", "station 1050\n"),
                 BatchFieldProblem(kBatchDRField, NotWithinReason("20000", kWindowDRRange)), 1},
        RangeRow{"CheckedPointNorthBeyond", "@check\npoint M 1e160 5\n@end\n",
                 CheckLineProblem(1, "point M 1e160 5", PointXBeyond("1e160")), 1},
        RangeRow{"CheckedPointEastBeyond", "@check\npoint M 5 -100000001\n@end\n",
                 CheckLineProblem(1, "point M 5 -100000001", PointYBeyond("-100000001")), 1},
        RangeRow{"CheckedPointAtTheRangesCorner", "@check\npoint M 100000000 -100000000\n@end\n", "", 1},
        RangeRow{"ToleranceBeyond", "@check\ntolerance 1e5\npoint M 1 2\n@end\n",
                 CheckLineProblem(1, "tolerance 1e5", ToleranceBeyond("1e5", 1, "m")), 1},
        RangeRow{"StationAskedBeyond", "@at 1e160 3\n", RoadFieldText("K", "1e160", RangeReason(kStationRange)), 1},
        RangeRow{"OffsetAskedBeyond", "@at 50 1e5\n", RoadFieldText("偏距", "1e5", RangeReason(kOffsetRange)), 1},
        RangeRow{"TableEndBeyond", "@table 0 1e9 10\n", RoadFieldText("TO", "1e9", RangeReason(kStationRange)), 1},
        RangeRow{"TableOffsetBeyond", "@table 0 100 50 1e308\n",
                 RoadFieldText("偏距", "1e308", RangeReason(kOffsetRange)), 1}),
    RowName<RangeRow>);

// An exact cap solved with numbers no check let through: its row's texts
// cannot be made, and every view of it shows the row with its status
// instead of ending the program.
TEST(UnshownRow, AnExactCapOfHalfWidth1e308ShowsItsStatus) {
  const RoadBuild built = RoadFromElements({0, {0, 0}, 0, {{ElementKind::kArc, 1436, 1000, kNoRadius, TurnSide::kLeft}}, {}});
  ASSERT_TRUE(built.road);
  const ExactBatchPlan plan{CapAxisMode::kOwn, 90, 500, 1e308, 1e308, {}, {{1, {"9#", 500}}}};
  const ExactOrigin origin{CapRoad::kJobRoad, SpiralEnd::kZH, 0, {0, 0}, 0, 0, 0, 0};
  std::vector<CapRecord> records = SolveExactBatch(plan, *built.road, origin);
  ASSERT_EQ(records.size(), 1u);
  CapRecord& record = records.front();
  record.number = 7;
  const std::optional<ArithmeticFault> fault = RowFault(record);
  ASSERT_TRUE(fault.has_value()) << "the texts of this row overflow";
  EXPECT_THROW(RowTextsOf(record, "."), ArithmeticFault);
  const RowTexts shown = ShownRowTexts(record, ".");
  EXPECT_EQ(shown[kNumberColumn], "7");
  EXPECT_EQ(shown[kNameColumn], "9#");
  EXPECT_EQ(shown[kStatusColumn], UnshownRowStatus(*fault));
  EXPECT_TRUE(shown[kCentreXColumn].empty());
}

// ShownRowTexts is RowTextsOf wherever that can be made, and the row's
// status wherever it cannot, for exact caps of any half-width.
TEST(UnshownRow, ShownTextsAreTheRowsTextsOrItsStatus) {
  const RoadBuild built = RoadFromElements({0, {3.4e6, 5e5}, 30, {{ElementKind::kLine, 200}, {ElementKind::kArc, 300, 250}}, {}});
  ASSERT_TRUE(built.road);
  const ExactOrigin origin{CapRoad::kJobRoad, SpiralEnd::kZH, 0, {3.4e6, 5e5}, 30, 0, 0, 0};
  int unshown = 0, shown = 0;
  for (double w : {7.5, 1e4, 1e100, 1e200, 1e300, 1e305, 1e307, 1.7976931348623157e308}) {
    for (double station : {100.0, 250.0, 450.0}) {
      const ExactBatchPlan plan{CapAxisMode::kOwn, 60, 0, w, 7.5, {-1e4, w}, {{1, {"", station}}}};
      const CapRecord record = SolveExactBatch(plan, *built.road, origin).front();
      const RowTexts texts = ShownRowTexts(record, ".");
      if (const auto fault = RowFault(record)) {
        EXPECT_EQ(texts[kStatusColumn], UnshownRowStatus(*fault));
        ++unshown;
      } else {
        EXPECT_EQ(texts, RowTextsOf(record, "."));
        ++shown;
      }
    }
  }
  EXPECT_GT(unshown, 0);
  EXPECT_GT(shown, 0);
}

}  // namespace
}  // namespace capset::testing
