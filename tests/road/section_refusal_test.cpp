// Sections that must be refused, each naming the row and the number at
// fault, and the nearly-bad ones that must be kept; then what a road adds:
// stations it does not place, and transitions over a JD it cannot carry.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "road_fixtures.h"
#include "section_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

using CF = CrossSectionFault;
using Field = CrossSectionField;

SuperTransition Over(double ts, double fs, double fe, double te, double e = 6,
                     SuperAxis axis = SuperAxis::kCentre) {
  return {ts, fs, fe, te, e, SectionSide::kRight, axis};
}

SectionLayout WithWidths() {
  SectionLayout s;
  s.leftWidth = 4.5;
  s.rightWidth = 6;
  return s;
}

struct RefusalRow {
  const char* name;
  std::function<void(SectionLayout&)> change;
  CrossSectionFault fault;
  int row;
  CrossSectionField field;
  double value = 0, limit = 0;
  int other = 0;
};

void PrintTo(const RefusalRow& row, std::ostream* os) { *os << row.name; }

class Refused : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(Refused, NamesTheRowAndTheNumber) {
  const RefusalRow& row = GetParam();
  SectionLayout layout = WithWidths();
  row.change(layout);
  const CrossSectionBuild built = CrossSection::Build(layout);
  ASSERT_FALSE(built.section);
  ASSERT_TRUE(built.problem);
  const CrossSectionProblem& p = *built.problem;
  EXPECT_EQ(p.fault, row.fault);
  EXPECT_EQ(p.row, row.row);
  EXPECT_EQ(p.field, row.field);
  if (row.fault != CF::kNotFinite) {
    EXPECT_DOUBLE_EQ(p.value, row.value);
    EXPECT_DOUBLE_EQ(p.limit, row.limit);
  }
  EXPECT_EQ(p.other, row.other);
}

INSTANTIATE_TEST_SUITE_P(
    Section, Refused,
    ::testing::Values(
        RefusalRow{"crown_not_a_number", [](auto& s) { s.crown = kNaN; }, CF::kNotFinite, 0, Field::kCrown},
        RefusalRow{"crown_negative", [](auto& s) { s.crown = -1; }, CF::kOutOfRange, 0, Field::kCrown, -1, 0},
        RefusalRow{"crown_too_steep", [](auto& s) { s.crown = 25; }, CF::kOutOfRange, 0, Field::kCrown, 25, 20},
        RefusalRow{"left_width_negative", [](auto& s) { s.leftWidth = -3; }, CF::kOutOfRange, 0, Field::kLeftWidth,
                   -3, 0},
        RefusalRow{"right_width_infinite", [](auto& s) { s.rightWidth = kInf; }, CF::kNotFinite, 0,
                   Field::kRightWidth},
        RefusalRow{"design_far_left", [](auto& s) { s.design = -150; }, CF::kOutOfRange, 0, Field::kDesign, -150,
                   -100},
        RefusalRow{"transition_station_not_a_number",
                   [](auto& s) { s.transitions = {Over(0, 50, 100, 150), Over(200, kNaN, 300, 350)}; },
                   CF::kNotFinite, 2, Field::kStation},
        RefusalRow{"transition_station_far_away", [](auto& s) { s.transitions = {Over(0, 50, 100, 2e8)}; },
                   CF::kOutOfRange, 1, Field::kStation, 2e8, 1e8},
        RefusalRow{"e_infinite", [](auto& s) { s.transitions = {Over(0, 50, 100, 150, kInf)}; }, CF::kNotFinite, 1,
                   Field::kE},
        RefusalRow{"e_too_steep", [](auto& s) { s.transitions = {Over(0, 50, 100, 150, 21)}; }, CF::kOutOfRange, 1,
                   Field::kE, 21, 20},
        RefusalRow{"e_negative", [](auto& s) { s.transitions = {Over(0, 50, 100, 150, -4)}; }, CF::kOutOfRange, 1,
                   Field::kE, -4, 0},
        RefusalRow{"e_below_crown", [](auto& s) { s.transitions = {Over(0, 50, 100, 150, 1.5)}; },
                   CF::kSuperBelowCrown, 1, Field::kE, 1.5, 2},
        RefusalRow{"FS_at_TS", [](auto& s) { s.transitions = {Over(10, 10, 100, 150)}; }, CF::kTransitionOrder, 1,
                   Field::kStation, 10, 10},
        RefusalRow{"FS_before_TS", [](auto& s) { s.transitions = {Over(60, 50, 100, 150)}; }, CF::kTransitionOrder,
                   1, Field::kStation, 50, 60},
        RefusalRow{"FE_before_FS", [](auto& s) { s.transitions = {Over(0, 50, 40, 150)}; }, CF::kTransitionOrder, 1,
                   Field::kStation, 40, 50},
        RefusalRow{"TE_at_FE", [](auto& s) { s.transitions = {Over(0, 50, 100, 100)}; }, CF::kTransitionOrder, 1,
                   Field::kStation, 100, 100},
        RefusalRow{"inner_edge_without_widths",
                   [](auto& s) {
                     s.leftWidth = s.rightWidth = 0;
                     s.transitions = {Over(0, 50, 100, 150, 6, SuperAxis::kInnerEdge)};
                   },
                   CF::kWidthsNeeded, 1, Field::kLeftWidth},
        RefusalRow{"outer_edge_without_the_right_width",
                   [](auto& s) {
                     s.rightWidth = 0;
                     s.transitions = {Over(0, 50, 100, 150), Over(200, 250, 300, 350, 6, SuperAxis::kOuterEdge)};
                   },
                   CF::kWidthsNeeded, 2, Field::kRightWidth},
        RefusalRow{"transitions_overlap",
                   [](auto& s) { s.transitions = {Over(0, 50, 100, 400), Over(350, 450, 500, 600)}; },
                   CF::kTransitionsOverlap, 2, Field::kStation, 50, 0, 1},
        RefusalRow{"transitions_overlap_typed_backwards",
                   [](auto& s) {
                     s.transitions = {Over(1000, 1050, 1100, 1150), Over(350, 450, 500, 600), Over(0, 50, 100, 400)};
                   },
                   CF::kTransitionsOverlap, 3, Field::kStation, 50, 0, 2},
        RefusalRow{"one_transition_inside_another",
                   [](auto& s) { s.transitions = {Over(0, 100, 400, 500), Over(200, 250, 300, 350)}; },
                   CF::kTransitionsOverlap, 2, Field::kStation, 300, 0, 1},
        RefusalRow{"slopes_repeat_a_station",
                   [](auto& s) { s.slopes = {{0, -2, -2}, {50, 2, -2}, {50, 3, -3}}; }, CF::kSlopesNotIncreasing, 3,
                   Field::kStation, 50, 50, 2},
        RefusalRow{"slopes_go_back",
                   [](auto& s) { s.slopes = {{100, -2, -2}, {50, 2, -2}}; }, CF::kSlopesNotIncreasing, 2,
                   Field::kStation, 50, 100, 1},
        RefusalRow{"slope_too_steep", [](auto& s) { s.slopes = {{0, -2, -2}, {50, 25, -2}}; }, CF::kOutOfRange, 2,
                   Field::kLeftSlope, 25, 20},
        RefusalRow{"slope_not_a_number", [](auto& s) { s.slopes = {{0, -2, kNaN}}; }, CF::kNotFinite, 1,
                   Field::kRightSlope},
        RefusalRow{"slope_station_infinite", [](auto& s) { s.slopes = {{-kInf, -2, -2}}; }, CF::kNotFinite, 1,
                   Field::kStation},
        RefusalRow{"transitions_and_slopes",
                   [](auto& s) {
                     s.transitions = {Over(0, 50, 100, 150)};
                     s.slopes = {{0, -2, -2}};
                   },
                   CF::kTransitionsAndSlopes, 0, Field::kNone}),
    RowName<RefusalRow>);

// Nearly bad, and good: each must build.
struct KeptRow {
  const char* name;
  std::function<void(SectionLayout&)> change;
};

void PrintTo(const KeptRow& row, std::ostream* os) { *os << row.name; }

class Kept : public ::testing::TestWithParam<KeptRow> {};

TEST_P(Kept, Builds) {
  SectionLayout layout = WithWidths();
  GetParam().change(layout);
  const CrossSectionBuild built = CrossSection::Build(layout);
  EXPECT_TRUE(built.section);
  EXPECT_FALSE(built.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Section, Kept,
    ::testing::Values(
        KeptRow{"transitions_touch", [](auto& s) { s.transitions = {Over(0, 50, 100, 150), Over(150, 200, 250, 300)}; }},
        KeptRow{"transitions_overlap_by_a_rounding",
                [](auto& s) { s.transitions = {Over(0, 50, 100, 150), Over(150 - 1e-7, 200, 250, 300)}; }},
        KeptRow{"no_full_run", [](auto& s) { s.transitions = {Over(0, 50, 50, 100)}; }},
        KeptRow{"e_equal_to_crown", [](auto& s) { s.transitions = {Over(0, 50, 100, 150, 2)}; }},
        KeptRow{"flat_crown_flat_road",
                [](auto& s) {
                  s.crown = 0;
                  s.transitions = {Over(0, 50, 100, 150, 0, SuperAxis::kInnerEdge)};
                }},
        KeptRow{"centre_axis_needs_no_widths",
                [](auto& s) {
                  s.leftWidth = s.rightWidth = 0;
                  s.transitions = {Over(0, 50, 100, 150)};
                }},
        KeptRow{"limits_themselves",
                [](auto& s) {
                  s.crown = 20, s.leftWidth = 100, s.design = -100;
                  s.transitions = {Over(-1e8, 0, 0, 1e8, 20)};
                }},
        KeptRow{"one_slope_row", [](auto& s) { s.slopes = {{50, 3, -3}}; }}),
    RowName<KeptRow>);

// What a road adds to a section as typed.
struct RoadRefusalRow {
  const char* name;
  std::function<CrossSectionInput()> section;
  std::function<std::optional<Road>()> road;
  std::function<void(const HeightsProblem&)> expect;
};

void PrintTo(const RoadRefusalRow& row, std::ostream* os) { *os << row.name; }

std::optional<Road> Chained() { return Made(RoadFromElements(ChainedStraight())); }
std::optional<Road> Curves(double ls21, double ls22) { return Made(RoadFromIntersections(TwoCurves(ls21, ls22))); }

CrossSectionInput OverJd(int jd, double e = 6) {
  CrossSectionInput in;
  SuperInput t;
  t.jd = jd;
  t.e = e;
  in.transitions.push_back(t);
  return in;
}

CrossSectionInput ByStations(StationRef ts, StationRef fs, StationRef fe, StationRef te) {
  CrossSectionInput in;
  in.transitions.push_back({0, ts, fs, fe, te, 6, SectionSide::kLeft, SuperAxis::kCentre});
  return in;
}

std::function<void(const HeightsProblem&)> Station(HeightsTable table, int row, double value, PlaceStatus status) {
  return [=](const HeightsProblem& p) {
    const auto* s = std::get_if<HeightsStationProblem>(&p);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->table, table);
    EXPECT_EQ(s->row, row);
    EXPECT_EQ(s->station.value, value);
    EXPECT_EQ(s->placement.status, status);
  };
}

std::function<void(const HeightsProblem&)> Jd(int row, int jd, HeightsJdReason reason) {
  return [=](const HeightsProblem& p) {
    const auto* j = std::get_if<HeightsJdProblem>(&p);
    ASSERT_TRUE(j);
    EXPECT_EQ(j->row, row);
    EXPECT_EQ(j->jd, jd);
    EXPECT_EQ(j->reason, reason);
  };
}

class RoadRefused : public ::testing::TestWithParam<RoadRefusalRow> {};

TEST_P(RoadRefused, NamesTheTableTheRowAndTheReason) {
  const RoadRefusalRow& row = GetParam();
  const std::optional<Road> road = row.road();
  const Road* r = road ? &*road : nullptr;
  const RoadHeightsBuild built = BuildHeights(CrestInputOn(r), row.section(), r);
  ASSERT_FALSE(built.heights);
  ASSERT_TRUE(built.problem);
  row.expect(*built.problem);
  // The section alone says the same, before any profile.
  const auto alone = CheckCrossSection(row.section(), r);
  ASSERT_TRUE(alone);
  row.expect(*alone);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, RoadRefused,
    ::testing::Values(
        RoadRefusalRow{"transition_station_in_a_short_chain",
                       [] { return ByStations({4900}, {4950}, {5210}, {5300}); }, Chained,
                       Station(HeightsTable::kTransitions, 1, 5210, PlaceStatus::kInGap)},
        RoadRefusalRow{"transition_station_twice_in_a_long_chain",
                       [] { return ByStations({4855}, {4950}, {5000}, {5100}); }, Chained,
                       Station(HeightsTable::kTransitions, 1, 4855, PlaceStatus::kTwice)},
        RoadRefusalRow{"transition_station_with_no_third_occurrence",
                       [] { return ByStations(StationRef{4860, 3}, {4950}, {5000}, {5100}); }, Chained,
                       Station(HeightsTable::kTransitions, 1, 4860, PlaceStatus::kNoSuchOccurrence)},
        RoadRefusalRow{"jd_without_a_road", [] { return OverJd(1); }, [] { return std::optional<Road>(); },
                       Jd(1, 1, HeightsJdReason::kNoRoad)},
        RoadRefusalRow{"jd_the_road_does_not_have", [] { return OverJd(3); }, [] { return Curves(100, 80); },
                       Jd(1, 3, HeightsJdReason::kNoSuchJd)},
        RoadRefusalRow{"jd_on_a_road_of_elements", [] { return OverJd(1); }, Chained,
                       Jd(1, 1, HeightsJdReason::kRoadHasNoJds)},
        RoadRefusalRow{"jd_negative", [] { return OverJd(-1); }, [] { return Curves(100, 80); },
                       Jd(1, -1, HeightsJdReason::kNoSuchJd)},
        RoadRefusalRow{"jd_arc_without_a_spiral_in", [] { return OverJd(2); }, [] { return Curves(0, 80); },
                       Jd(1, 2, HeightsJdReason::kNoSpiralIn)},
        RoadRefusalRow{"jd_arc_without_a_spiral_out", [] { return OverJd(2); }, [] { return Curves(100, 0); },
                       Jd(1, 2, HeightsJdReason::kNoSpiralOut)},
        RoadRefusalRow{"jd_plain_arc", [] { return OverJd(2); }, [] { return Curves(0, 0); },
                       Jd(1, 2, HeightsJdReason::kNoSpiralIn)},
        RoadRefusalRow{"jd_e_below_crown", [] { return OverJd(1, 1); }, [] { return Curves(100, 80); },
                       [](const HeightsProblem& p) {
                         const auto* s = std::get_if<CrossSectionProblem>(&p);
                         ASSERT_TRUE(s);
                         EXPECT_EQ(s->fault, CF::kSuperBelowCrown);
                         EXPECT_EQ(s->row, 1);
                       }}),
    RowName<RoadRefusalRow>);

TEST(Heights, AProfileStationInAGapIsNamedBeforeTheSection) {
  const Road road = Made(RoadFromElements(ChainedStraight()));
  ProfileInput profile = CrestInputOn(&road);
  profile.rows[2].station = {5220};
  const RoadHeightsBuild built = BuildHeights(profile, OverJd(1), &road);
  ASSERT_TRUE(built.problem);
  Station(HeightsTable::kProfile, 3, 5220, PlaceStatus::kInGap)(*built.problem);
}

// The drawings' tables cover the whole route while the road typed for a
// bridge is often only the part near it: rows of slopes beyond the road's
// ends are rows of the table, not refusals, and between them the slopes run
// on as the stations do.
TEST(RoadRefused, NotASlopeRowBeyondTheRoadsEnds) {
  const std::optional<Road> road = Chained();
  ASSERT_TRUE(road);
  CrossSectionInput in;
  in.slopes = {{{road->firstStation() - 100}, -2, -2}, {{road->lastStation() + 100}, 4, -4}};
  EXPECT_FALSE(CheckCrossSection(in, &*road));
  const RoadHeightsBuild built = BuildHeights(CrestInputOn(&*road), in, &*road);
  ASSERT_TRUE(built.heights) << "refused";
  // Halfway along the road each side has come its share of the way, by distance.
  const double mid = road->length() / 2;
  const double share = (mid + 100) / (road->length() + 200);
  const SectionAt at = built.heights->section().At(mid);
  EXPECT_NEAR(at.left, -2 + 6 * share, 1e-12);
  EXPECT_NEAR(at.right, -2 - 2 * share, 1e-12);
}

}  // namespace
}  // namespace capset::testing
