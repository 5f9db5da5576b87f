// Every way a profile is refused, one named row each: the fault, the row
// that holds it, the other row where there is one. Beside them the near
// misses that must be accepted.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "profile_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

std::vector<PviRow> With(std::vector<PviRow> rows, std::function<void(std::vector<PviRow>&)> change) {
  change(rows);
  return rows;
}

struct RefusalRow {
  const char* name;
  std::vector<PviRow> rows;
  ProfileFault fault;
  int row;
  int other = 0;
  ProfileField field = ProfileField::kNone;
};

void PrintTo(const RefusalRow& row, std::ostream* os) { *os << row.name; }

class ProfileRefusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(ProfileRefusals, NameTheFaultAndTheRow) {
  const RefusalRow& row = GetParam();
  const ProfileBuild build = Profile::Build(row.rows);
  ASSERT_FALSE(build.profile);
  ASSERT_TRUE(build.problem);
  EXPECT_EQ(build.problem->fault, row.fault);
  EXPECT_EQ(build.problem->row, row.row);
  EXPECT_EQ(build.problem->other, row.other);
  EXPECT_EQ(build.problem->field, row.field);
  EXPECT_TRUE(std::isfinite(build.problem->value));
  EXPECT_TRUE(std::isfinite(build.problem->limit));
}

INSTANTIATE_TEST_SUITE_P(
    Profile, ProfileRefusals,
    ::testing::Values(
        RefusalRow{"no_rows", {}, ProfileFault::kTooFewRows, 0},
        RefusalRow{"one_row", {{0, 10}}, ProfileFault::kTooFewRows, 1},
        RefusalRow{"station_repeated",
                   {{0, 10}, {100, 11}, {100, 12}},
                   ProfileFault::kStationsNotIncreasing,
                   3,
                   2,
                   ProfileField::kDistance},
        RefusalRow{"station_going_back",
                   {{0, 10}, {100, 11}, {50, 12}},
                   ProfileFault::kStationsNotIncreasing,
                   3,
                   2,
                   ProfileField::kDistance},
        RefusalRow{"radius_negative", With(CrestR2000(), [](auto& r) { r[1].radius = -2000; }),
                   ProfileFault::kRadiusNotPositive, 2, 0, ProfileField::kRadius},
        RefusalRow{"circle_radius_zero", With(CircleCrest(), [](auto& r) { r[1].radius = 0; }),
                   ProfileFault::kRadiusNotPositive, 2, 0, ProfileField::kRadius},
        RefusalRow{"length_zero", With(Length240(), [](auto& r) { r[1].length = 0; }), ProfileFault::kLengthNotPositive,
                   2, 0, ProfileField::kLength},
        RefusalRow{"asymmetric_second_length_negative", With(Asymmetric(), [](auto& r) { r[1].length2 = -5; }),
                   ProfileFault::kLengthNotPositive, 2, 0, ProfileField::kLength2},
        RefusalRow{"curve_at_first_row",
                   With(CrestR2000(), [](auto& r) { r[0].curve = VK::kRadius, r[0].radius = 10; }),
                   ProfileFault::kCurveAtEnd, 1},
        RefusalRow{"circle_at_last_row",
                   With(CrestR2000(), [](auto& r) { r[2].curve = VK::kCircle, r[2].radius = 10; }),
                   ProfileFault::kCurveAtEnd, 3},
        RefusalRow{"curves_overlap", With(Touching(), [](auto& r) { r[2].radius = 5100; }),
                   ProfileFault::kCurvesOverlap, 3, 2},
        RefusalRow{"curve_across_a_grade_break",
                   {{0, 0}, {200, 4, VK::kRadius, 9000}, {300, 2}, {400, 0}},
                   ProfileFault::kCurvesOverlap,
                   2,
                   3},
        RefusalRow{"curve_before_the_start", With(CrestR2000(), [](auto& r) { r[1].radius = 6000; }),
                   ProfileFault::kCurvePastEnd, 2, 1},
        RefusalRow{"curve_past_the_end",
                   With(CrestR2000(),
                        [](auto& r) {
                          r[0].distance = 4000, r[0].elevation = 376.18;
                          r[1].radius = 6500;
                        }),
                   ProfileFault::kCurvePastEnd, 2, 3},
        RefusalRow{"circle_length_off_by_2mm", CircleCrest(249.9416941501421636863283 + 0.002),
                   ProfileFault::kCircleLengthDisagrees, 2, 0, ProfileField::kLength},
        RefusalRow{"length_without_grade_change",
                   {{0, 0}, {100, 1, VK::kLength, 0, 50}, {200, 2}},
                   ProfileFault::kNoGradeChange,
                   2,
                   0,
                   ProfileField::kLength},
        RefusalRow{"length_with_grades_a_denormal_apart",
                   {{0, 0}, {1, 5e-324, VK::kLength, 0, 1}, {2, 5e-324}},
                   ProfileFault::kNoGradeChange,
                   2,
                   0,
                   ProfileField::kLength},
        RefusalRow{"grade_steeper_than_100_percent", {{0, 0}, {1, 2}}, ProfileFault::kGradeTooSteep, 2, 1},
        RefusalRow{"distance_NaN", {{0, 0}, {kNaN, 2}}, ProfileFault::kNotFinite, 2, 0, ProfileField::kDistance},
        RefusalRow{
            "elevation_infinite", {{0, kInf}, {10, 2}}, ProfileFault::kNotFinite, 1, 0, ProfileField::kElevation},
        RefusalRow{"unused_length_NaN", With(CrestR2000(), [](auto& r) { r[1].length2 = kNaN; }),
                   ProfileFault::kNotFinite, 2, 0, ProfileField::kLength2},
        RefusalRow{
            "distance_beyond_1e8", {{0, 0}, {1.5e8, 2}}, ProfileFault::kOutOfRange, 2, 0, ProfileField::kDistance},
        RefusalRow{"elevation_below_minus_1e8",
                   {{0, -2e8}, {10, 2}},
                   ProfileFault::kOutOfRange,
                   1,
                   0,
                   ProfileField::kElevation},
        RefusalRow{"radius_above_1e6", With(CrestR2000(), [](auto& r) { r[1].radius = 2e6; }),
                   ProfileFault::kOutOfRange, 2, 0, ProfileField::kRadius},
        RefusalRow{"radius_below_1mm", With(CrestR2000(), [](auto& r) { r[1].radius = 1e-4; }),
                   ProfileFault::kOutOfRange, 2, 0, ProfileField::kRadius},
        RefusalRow{"length_above_1e6", With(Length240(), [](auto& r) { r[1].length = 2e6; }), ProfileFault::kOutOfRange,
                   2, 0, ProfileField::kLength}),
    RowName<RefusalRow>);

struct AcceptedRow {
  const char* name;
  std::vector<PviRow> rows;
};

void PrintTo(const AcceptedRow& row, std::ostream* os) { *os << row.name; }

class ProfileNearMisses : public ::testing::TestWithParam<AcceptedRow> {};

TEST_P(ProfileNearMisses, AreAccepted) {
  const ProfileBuild build = Profile::Build(GetParam().rows);
  EXPECT_TRUE(build.profile);
  EXPECT_FALSE(build.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, ProfileNearMisses,
    ::testing::Values(AcceptedRow{"curves_touching", Touching()},
                      AcceptedRow{"circle_length_off_by_0_9mm", CircleCrest(249.9416941501421636863283 - 0.0009)},
                      AcceptedRow{"radius_zero_is_a_grade_break", With(CrestR2000(), [](auto& r) { r[1].radius = 0; })},
                      AcceptedRow{"curve_exactly_to_the_start",
                                  With(CrestR2000(), [](auto& r) { r[0].distance = 4940, r[0].elevation = 423.18; })},
                      AcceptedRow{"grade_exactly_100_percent", {{0, 0}, {1, 1}}},
                      AcceptedRow{"radius_1mm", With(CrestR2000(), [](auto& r) { r[1].radius = 1e-3; })},
                      AcceptedRow{"radius_1e6", {{0, 0}, {1e5, 1000, VK::kRadius, 1e6}, {2e5, 1000}}}),
    RowName<AcceptedRow>);

struct QueryRow {
  const char* name;
  double distance;
  ProfileFault fault;
  int row;
};

void PrintTo(const QueryRow& row, std::ostream* os) { *os << row.name; }

class ProfileQueries : public ::testing::TestWithParam<QueryRow> {};

TEST_P(ProfileQueries, OutsideHaveNoHeight) {
  const QueryRow& row = GetParam();
  const ProfileAnswer a = Built(CrestR2000()).At(row.distance);
  EXPECT_FALSE(a.height);
  ASSERT_TRUE(a.problem);
  EXPECT_EQ(a.problem->fault, row.fault);
  EXPECT_EQ(a.problem->row, row.row);
}

INSTANTIATE_TEST_SUITE_P(Profile, ProfileQueries,
                         ::testing::Values(QueryRow{"a_millimetre_before", 4799.999, ProfileFault::kBeforeStart, 1},
                                           QueryRow{"a_millimetre_after", 5300.001, ProfileFault::kAfterEnd, 3},
                                           QueryRow{"NaN", kNaN, ProfileFault::kNotFinite, 0},
                                           QueryRow{"infinity", kInf, ProfileFault::kNotFinite, 0}),
                         RowName<QueryRow>);

TEST(ProfileQueries, AStationRoundedAtAnEndIsThatEnd) {
  const Profile p = Built(CrestR2000());
  ASSERT_TRUE(p.At(5300 + 1e-8).height);
  EXPECT_NEAR(p.At(5300 + 1e-8).height->elevation, 416.88, 1e-9);
  ASSERT_TRUE(p.At(4800 - 1e-8).height);
}

}  // namespace
}  // namespace capset::testing
