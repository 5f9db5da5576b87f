// The road in its other forms: the meeting of two tangents against an
// independent exact computation (tangents_golden.py), which element roads
// are a drawings' table, random tables turned into elements and back, and
// the layout a file is written from.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "element_form.h"
#include "intersection_form.h"
#include "random_table.h"
#include "road_fixtures.h"
#include "road_layout.h"
#include "table.h"
#include "tangents_meet.h"

namespace capset::testing {
namespace {

using enum ElementKind;
constexpr TurnSide kL = TurnSide::kLeft, kR = TurnSide::kRight;

// One element from its start pose; R 0 is a straight end.
Road OneElement(double X0, double Y0, double azimuth, ElementKind kind, double length, double R1, double R2, TurnSide side) {
  const ElementInput e{kind, length, R1 == 0 ? kNoRadius : R1, R2 == 0 ? kNoRadius : R2, side};
  return Made(RoadFromElements({0, {X0, Y0}, azimuth, {e}, {}}));
}

struct MeetingRow {
  std::string name;
  double X0, Y0, azimuth;
  ElementKind kind;
  double length, R1, R2;
  TurnSide side;
  PlanePoint exact;  // from tangents_golden.py, 50 digits
};

class TangentsMeetOf : public ::testing::TestWithParam<MeetingRow> {};

// The poses' rounding moves the meeting by about 1e-10 m / sin(turn): far
// below a micrometre here, even on a zone-prefixed easting of 3.85e7.
TEST_P(TangentsMeetOf, AgreesWithTheExactIntersection) {
  const MeetingRow& r = GetParam();
  const Road road = OneElement(r.X0, r.Y0, r.azimuth, r.kind, r.length, r.R1, r.R2, r.side);
  const std::optional<PlanePoint> jd = TangentsMeet(road, 0, road.length());
  ASSERT_TRUE(jd.has_value());
  EXPECT_LT(Gap(*jd, r.exact), 1e-6) << jd->X << " " << jd->Y;
}

const MeetingRow kMeetings[] = {
    {"ArcQuarterTurnRight", 1000, 2000, 30, kArc, 471.2388980384689674, 300, 0, kR,
     {1259.807621135331571967, 2149.999999999999987262}},
    {"EntrySpiralOnTheGrid", 3400000, 500000, 61.5, kSpiral, 60, 0, 300, kR,
     {3400019.096357602829577, 500035.1711154621751924}},
    {"ExitSpiralLeftOnAZonePrefixedEasting", 3355206.736, 38505412.824, 289.1, kSpiral, 150, 600, 0, kL,
     {3355223.121280775682938, 38505365.50613232729579}},
    {"PartialSpiralR600ToR300", 50000, 80000, 120, kSpiral, 100, 600, 300, kR,
     {49972.0913480384640454, 80048.33920316813708151}},
    {"ArcTurningTwoMicroradians", 3400000, 500000, 10, kArc, 0.2, 100000, 0, kR,
     {3400000.098480775301254, 500000.0173648177666988}},
};
INSTANTIATE_TEST_SUITE_P(Elements, TangentsMeetOf, ::testing::ValuesIn(kMeetings), RowName<MeetingRow>);

struct NoMeetingRow {
  std::string name;
  ElementKind kind;
  double length, R;
};

class TangentsDoNotMeet : public ::testing::TestWithParam<NoMeetingRow> {};

TEST_P(TangentsDoNotMeet, ForAStretchWithNoIntersectionPoint) {
  const NoMeetingRow& r = GetParam();
  const Road road = OneElement(3.4e6, 5e5, 45, r.kind, r.length, r.R, 0, kR);
  EXPECT_FALSE(TangentsMeet(road, 0, road.length()).has_value());
}

const NoMeetingRow kNoMeetings[] = {
    {"AStraight", kLine, 100, 0},
    {"AnArcTurningHalfAMicroradian", kArc, 0.05, 100000},  // below kTangentsInLine: its JD is rounding
    {"AnArcTurningHalfACircle", kArc, 50 * kTestPi, 50},
    {"AnArcTurningMoreThanHalfACircle", kArc, 200, 50},    // the tangents meet behind its start
    {"AnArcTurningThreeQuarters", kArc, 75 * kTestPi, 50},
};
INSTANTIATE_TEST_SUITE_P(Elements, TangentsDoNotMeet, ::testing::ValuesIn(kNoMeetings), RowName<NoMeetingRow>);

// Which element roads are a drawings' table, and that the table is the same road.
struct TableFormRow {
  std::string name;
  std::vector<ElementInput> elements;
  bool table;
};

class IntersectionFormOf : public ::testing::TestWithParam<TableFormRow> {};

TEST_P(IntersectionFormOf, IsFoundOnlyWhereTheTableMakesTheSameRoad) {
  const ElementRoadInput in{100, {3.4e6, 5e5}, 61.5, GetParam().elements, {}};
  const auto table = IntersectionForm(in);
  ASSERT_EQ(table.has_value(), GetParam().table);
  if (!table) return;
  const Road a = *RoadFromElements(in).road, b = *RoadFromIntersections(*table).road;
  EXPECT_NEAR(a.length(), b.length(), 1e-6);
  for (double d = 0; d <= a.length(); d += 7.5) {
    EXPECT_LT(Gap(a.PoseAt(d).point, b.PoseAt(d).point), 1e-6) << d;
  }
}

const TableFormRow kTableForms[] = {
    {"SpiralsAndArcsBetweenStraights",
     {{kLine, 80}, {kSpiral, 60, kNoRadius, 300, kR}, {kArc, 90, 300, kNoRadius, kR}, {kSpiral, 40, 300, kNoRadius, kR},
      {kLine, 50}, {kArc, 70, 500, kNoRadius, kL}, {kLine, 30}},
     true},
    {"ReverseCurvesTouching",
     {{kLine, 80}, {kSpiral, 60, kNoRadius, 300, kR}, {kArc, 90, 300, kNoRadius, kR}, {kSpiral, 60, 300, kNoRadius, kR},
      {kSpiral, 50, kNoRadius, 250, kL}, {kArc, 40, 250, kNoRadius, kL}, {kSpiral, 50, 250, kNoRadius, kL}, {kLine, 30}},
     true},
    {"SpiralsMeetingWithNoArcBetween",
     {{kLine, 80}, {kSpiral, 60, kNoRadius, 300, kR}, {kSpiral, 60, 300, kNoRadius, kR}, {kLine, 50}}, true},
    {"SpiralOutOfAnArcIntoAnother", {{kLine, 80}, {kArc, 60, 300, kNoRadius, kR}, {kSpiral, 60, 300, 200, kR}}, false},
    {"EndsAtAnArcsEndWithoutAnExitSpiral", {{kLine, 80}, {kSpiral, 60, kNoRadius, 300, kR}, {kArc, 90, 300, kNoRadius, kR}}, true},
    {"EndsInsideAnEntrySpiral", {{kLine, 80}, {kSpiral, 60, kNoRadius, 300, kR}}, false},
    {"EggCurve",
     {{kLine, 80}, {kSpiral, 60, kNoRadius, 600, kR}, {kArc, 50, 600, kNoRadius, kR}, {kSpiral, 40, 600, 300, kR},
      {kArc, 50, 300, kNoRadius, kR}, {kSpiral, 40, 300, kNoRadius, kR}, {kLine, 30}},
     false},
    {"ArcTurningMoreThanHalfACircle", {{kLine, 80}, {kArc, 700, 200, kNoRadius, kR}, {kLine, 30}}, false},
    {"AStraightAlone", {{kLine, 80}}, false},
};
INSTANTIATE_TEST_SUITE_P(Roads, IntersectionFormOf, ::testing::ValuesIn(kTableForms), RowName<TableFormRow>);

// A drawings' table made into a road, the road into its elements, those
// into a road again and that into a table: the same table, every JD within
// 1 mm, with its station and equations.
TEST(RandomTables, BackFromTheirElementsGiveTheSameTable) {
  std::mt19937_64 random(24);
  int checked = 0;
  for (int t = 0; t < 60; ++t) {
    IntersectionRoadInput table = RandomTable(random, 1 + t % 9);
    table.equations = {{table.station + 120, table.station + 135.5}};
    const RoadBuild built = RoadFromIntersections(table);
    if (!built.road) continue;  // a table that asks too much of its legs
    SCOPED_TRACE(t);
    const ElementRoadInput elements = ElementForm(*built.road);
    EXPECT_EQ(elements.equations, table.equations);
    const std::optional<IntersectionRoadInput> back = IntersectionForm(elements);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->station, table.station);
    EXPECT_EQ(back->equations, table.equations);
    EXPECT_LT(Gap(back->bp, table.bp), 1e-6);
    EXPECT_LT(Gap(back->ep, table.ep), 1e-6);
    ASSERT_EQ(back->jds.size(), table.jds.size());
    for (std::size_t j = 0; j < table.jds.size(); ++j) {
      const IntersectionPoint &got = back->jds[j], &want = table.jds[j];
      EXPECT_LT(Gap(got.point, want.point), 1e-3) << "JD" << j + 1;
      EXPECT_NEAR(got.R, want.R, 1e-9 * want.R) << "JD" << j + 1;
      EXPECT_NEAR(got.Ls1, want.Ls1, 1e-9) << "JD" << j + 1;
      EXPECT_NEAR(got.Ls2, want.Ls2, 1e-9) << "JD" << j + 1;
    }
    ++checked;
  }
  EXPECT_GT(checked, 40);
}

// What a file is written from: a spiral's straight end is kNoRadius however
// κ0 + c·L rounded, an arc's centre is R from both its ends, each equation
// stands where its back station is.
TEST(RoadLayout, HoldsWhatAFileWrites) {
  ElementRoadInput in{500, {3.4e6, 5e5}, 61.5,
                      {{kLine, 40}, {kSpiral, 70, kNoRadius, 300.7, kL}, {kArc, 90, 300.7, kNoRadius, kL},
                       {kSpiral, 70, 300.7, kNoRadius, kL}, {kLine, 30}},
                      {{560, 575}}};
  const Road road = Made(RoadFromElements(in));
  const RoadLayout layout = LayOut(road);
  ASSERT_EQ(layout.elements.size(), 5u);
  const LaidElement &entry = layout.elements[1], &arc = layout.elements[2], &exit = layout.elements[3];
  EXPECT_EQ(entry.startRadius, kNoRadius);
  EXPECT_NEAR(entry.endRadius, 300.7, 1e-9);
  EXPECT_NEAR(exit.startRadius, 300.7, 1e-9);
  EXPECT_EQ(exit.endRadius, kNoRadius);
  EXPECT_NEAR(entry.constant, std::sqrt(300.7 * 70), 1e-9);
  EXPECT_EQ(arc.turn, kL);
  ASSERT_TRUE(arc.centre.has_value());
  EXPECT_NEAR(Gap(*arc.centre, arc.start), 300.7, 1e-8);
  EXPECT_NEAR(Gap(*arc.centre, arc.end), 300.7, 1e-8);
  EXPECT_FALSE(layout.elements[0].meeting.has_value());
  ASSERT_TRUE(arc.meeting.has_value());
  // The arc turns 90/300.7 rad: its PI lies R·tan(α/2) from either end.
  const double T = 300.7 * std::tan(90 / 300.7 / 2);
  EXPECT_NEAR(Gap(*arc.meeting, arc.start), T, 1e-8);
  EXPECT_NEAR(Gap(*arc.meeting, arc.end), T, 1e-8);
  ASSERT_EQ(layout.equations.size(), 1u);
  EXPECT_EQ(layout.equations[0].equation, (StationEquation{560, 575}));
  ASSERT_TRUE(layout.equations[0].internal.has_value());
  EXPECT_NEAR(*layout.equations[0].internal, 560, 1e-9);
}

}  // namespace
}  // namespace capset::testing
