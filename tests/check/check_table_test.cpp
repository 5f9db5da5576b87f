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

const CapMatch kNearC{3, -0.0000004, 1.25, "C", -0.0000004, 0.0012, 0.0012000000667, false};

TEST(CheckLine, NamesWhatIsNotKnownWithADash) {
  RoadFoot beyond{};
  beyond.status = WhereStatus::kAfterEnd;
  EXPECT_EQ(CheckLine(Result("M 1", {1, 2}, beyond, std::nullopt)), "CHECK\tM 1\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-");
  EXPECT_EQ(CheckLine(Result("M", {1, 2}, OnRoad(1390.5, 2, -7.25), kNearC)),
            "CHECK\tM\t1390.500000(2)\t-7.250000\t3\t0.000000\t1.250000\tC\t0.000000\t0.001200\t0.001200\tok");
}

TEST(CheckCells, ShowMillimetresAndTheResultInWords) {
  const std::vector<std::string> cells = CheckCells(Result("M", {1033.8294, 2036.7725}, OnRoad(1050.0004, 0, 0), kNearC), ",");
  EXPECT_EQ(cells, (std::vector<std::string>{"M", "1033,829", "2036,772", "K1+050.000", "0,000", "3", "0,000", "1,250",
                                             "C", "0,0", "1,2", "1,2", kCheckOk}));
  RoadFoot off{};
  off.status = WhereStatus::kOffRoad;
  const std::vector<std::string> alone = CheckCells(Result("M", {1, 2}, off, std::nullopt), ".");
  ASSERT_EQ(alone.size(), CheckHeadings().size());
  EXPECT_EQ(alone[3], kCheckOffRoad);
  EXPECT_EQ(alone[12], "");
}

}  // namespace
}  // namespace capset::testing
