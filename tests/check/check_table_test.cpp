// The check's results as text: the CHECK line and the table's cells for a
// point off the road, with no cap, in a long chain's second run, the
// deviations that round to nothing, and a coordinate's half millimetre
// rounded as the boxes round it (2036.7725 is 2036.772 there).
#include <gtest/gtest.h>

#include "check_table.h"
#include "check_texts.h"

namespace capset::testing {
namespace {

RoadFoot OnRoad(double station, int occurrence, double offset) {
  RoadFoot foot{};
  foot.status = WhereStatus::kOnRoad;
  foot.station = {station, occurrence};
  foot.offset = offset;
  return foot;
}

CheckResult Result(const char* name, PlanePoint p, RoadFoot foot, std::optional<CapMatch> cap) {
  CheckResult r;
  r.measured.name = name;
  r.measured.point = p;
  r.foot = foot;
  r.cap = std::move(cap);
  return r;
}

const CapMatch kNearC{3, "0#", -0.0000004, 1.25, "C", -0.0000004, 0.0012, 0.0012000000667, false};

TEST(CheckLine, NamesWhatIsNotKnownWithADash) {
  RoadFoot beyond{};
  beyond.status = WhereStatus::kAfterEnd;
  EXPECT_EQ(CheckLine(Result("M 1", {1, 2}, beyond, std::nullopt)), "CHECK\tM 1\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-");
  EXPECT_EQ(CheckLine(Result("M", {1, 2}, OnRoad(1390.5, 2, -7.25), kNearC)),
            "CHECK\tM\t1390.500000(2)\t-7.250000\t3\t0.000000\t1.250000\tC\t0.000000\t0.001200\t0.001200\tok");
}

TEST(CheckCells, ShowMillimetresAndTheResultInWords) {
  const std::vector<std::string> cells = CheckCells(Result("M", {1033.8294, 2036.7725}, OnRoad(1050.0004, 0, 0), kNearC), ",");
  EXPECT_EQ(cells, (std::vector<std::string>{"M", "1033,829", "2036,772", "K1+050.000", "0,000", "0# (3)", "0,000", "1,250",
                                             "C", "0,0", "1,2", "1,2", kCheckOk}));
  RoadFoot off{};
  off.status = WhereStatus::kOffRoad;
  const std::vector<std::string> alone = CheckCells(Result("M", {1, 2}, off, std::nullopt), ".");
  ASSERT_EQ(alone.size(), CheckHeadings().size());
  EXPECT_EQ(alone[3], kCheckOffRoad);
  EXPECT_EQ(alone[5], "");
  EXPECT_EQ(alone[12], "");
}

// A point near no cap of the log keeps its station and offset; the cap's
// cells say it has none, and its CHECK line ends in "far".
TEST(CheckCells, SayAPointIsNearNoCap) {
  CheckResult far = Result("Pier", {1, 2}, OnRoad(1064.5, 0, 0.25), std::nullopt);
  far.farFromCaps = true;
  const std::vector<std::string> cells = CheckCells(far, ".");
  ASSERT_EQ(cells.size(), CheckHeadings().size());
  EXPECT_EQ(cells[4], "0.250");
  EXPECT_EQ(cells[5], kCheckNoCapNear);
  EXPECT_EQ(cells[11], "");
  EXPECT_EQ(CheckLine(far), "CHECK\tPier\t1064.500000\t0.250000\t-\t-\t-\t-\t-\t-\t-\tfar");
}

struct CapTextRow {
  const char* name;
  std::string cap;
  int row;
  std::string text;
};

class CapText : public ::testing::TestWithParam<CapTextRow> {};

TEST_P(CapText, NamesTheCapAndItsLogRow) {
  EXPECT_EQ(CheckCapText(GetParam().cap, GetParam().row), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Check, CapText,
                         ::testing::Values(CapTextRow{"Named", "0#", 1, "0# (1)"},
                                           CapTextRow{"NamedLikeANumber", "12", 3, "12 (3)"},
                                           CapTextRow{"Unnamed", "", 7, "(7)"}),
                         [](const ::testing::TestParamInfo<CapTextRow>& info) { return std::string(info.param.name); });

struct SummaryRow {
  const char* name;
  int points, over, far;
  std::string text;
};

class Summary : public ::testing::TestWithParam<SummaryRow> {};

TEST_P(Summary, CountsWhatWasFound) {
  const SummaryRow& r = GetParam();
  EXPECT_EQ(CheckSummary(r.points, r.over, 10, r.far), r.text);
}

INSTANTIATE_TEST_SUITE_P(
    Check, Summary,
    ::testing::Values(SummaryRow{"AllWithin", 3, 0, 0, "检核 3 个点，限差 10 mm：全部合格。"},
                      SummaryRow{"SomeOver", 3, 1, 0, "检核 3 个点，限差 10 mm：1 个超限（红色）。"},
                      SummaryRow{"OneFarRestWithin", 3, 0, 1,
                                 "检核 3 个点，限差 10 mm：1 个点附近无盖梁，只给出桩号和偏距；其余全部合格。"},
                      SummaryRow{"OneFarOneOver", 3, 1, 1,
                                 "检核 3 个点，限差 10 mm：1 个点附近无盖梁，只给出桩号和偏距；1 个超限（红色）。"},
                      SummaryRow{"AllFar", 2, 0, 2, "检核 2 个点，限差 10 mm：2 个点附近无盖梁，只给出桩号和偏距。"}),
    [](const ::testing::TestParamInfo<SummaryRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset::testing
